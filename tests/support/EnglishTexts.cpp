// Linked into a test program whose windows are checked in English: the built-in English translation is
// installed once the application exists, as under an English system, so plurals read "1 result" and
// "4 results" rather than the source's "result(s)".
#include <gtest/gtest.h>

#include "LanguageChoice.h"

namespace {

class EnglishTexts : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(terrovane::translations::InstallLanguage(terrovane::translations::Language::English));
    }
};

[[maybe_unused]] ::testing::Environment* const kEnglishTexts =
    ::testing::AddGlobalTestEnvironment(new EnglishTexts);

}  // namespace

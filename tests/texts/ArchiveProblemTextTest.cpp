// The archive's own problems reach a person in their language, with what varies filled in; the
// database's words pass as they are, and the English the archive reports stays as callers know it.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Archive.h"
#include "ArchiveProblemText.h"
#include "LanguageChoice.h"
#include "Problems.h"
#include "Sites.h"

namespace terrovane::texts {
namespace {

using translations::Language;

class ArchiveProblemTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        store_ =
            archive::Archive::Open((dir_.path() + QStringLiteral("/archive.sqlite")).toStdString(), error);
        ASSERT_NE(store_, nullptr) << error;
    }
    void TearDown() override { translations::InstallLanguage(Language::Chinese); }

    // The error of adding a site with these fields.
    std::string AddSiteError(const std::string& name) {
        archive::SiteFields fields;
        fields.name = name;
        std::int64_t id = 0;
        std::string error;
        EXPECT_FALSE(archive::AddSite(*store_, fields, id, error));
        return error;
    }

    QTemporaryDir dir_;
    std::unique_ptr<archive::Archive> store_;
};

TEST_F(ArchiveProblemTextTest, TheArchivesRefusalsAreSaidInTheRunningLanguageWithTheirNames) {
    archive::SiteFields werk;
    werk.name = "Werk %2 Süd";
    std::int64_t id = 0;
    std::string error;
    ASSERT_TRUE(archive::AddSite(*store_, werk, id, error)) << error;
    const std::string taken = AddSiteError("Werk %2 Süd");
    const std::string unnamed = AddSiteError("  ");
    ASSERT_FALSE(archive::FindPoint(*store_, "Werk %2 Süd", "P 1", error));
    const std::string noPoint = error;
    // What the command line's scripts and the callers read stays English.
    EXPECT_EQ(taken, "there is already a site named \"Werk %2 Süd\"");
    EXPECT_EQ(noPoint, "there is no test point \"P 1\" at site \"Werk %2 Süd\"");

    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(ArchiveProblemText(taken), QStringLiteral("es gibt bereits eine Anlage namens „Werk %2 Süd“"));
    EXPECT_EQ(ArchiveProblemText(unnamed), QStringLiteral("eine Anlage braucht einen Namen"));
    EXPECT_EQ(ArchiveProblemText(noPoint),
              QStringLiteral("es gibt keinen Prüfpunkt „P 1“ in der Anlage „Werk %2 Süd“"));
    ASSERT_TRUE(translations::InstallLanguage(Language::Chinese));
    EXPECT_EQ(ArchiveProblemText(noPoint), QStringLiteral("站点 “Werk %2 Süd” 没有测试点 “P 1”"));
}

TEST_F(ArchiveProblemTextTest, OtherWordsPassAsTheyCame) {
    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(ArchiveProblemText("database is locked"), QStringLiteral("database is locked"));
    EXPECT_EQ(ArchiveProblemText("there is no site"), QStringLiteral("there is no site"));
}

TEST(ArchiveProblemsTest, EveryProblemIsReadBackAsItsTextAndArguments) {
    for (const char* text : archive::ProblemTexts()) {
        const std::vector<std::string> arguments = {"Werk \"A\" at site \"B\"", "17"};
        const std::string said = archive::Problem(text, arguments);
        archive::StatedProblem problem;
        ASSERT_TRUE(archive::ParseProblem(said, problem)) << said;
        EXPECT_STREQ(problem.text, text) << said;
        EXPECT_EQ(archive::Problem(problem.text, problem.arguments), said);
    }
}

}  // namespace
}  // namespace terrovane::texts

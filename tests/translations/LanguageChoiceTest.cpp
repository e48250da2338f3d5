// Which language the programs choose: --lang, the setting, the system; and what a bad value gets.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "LanguageChoice.h"
#include "Settings.h"
#include "ShellCommand.h"

namespace terrovane::translations {
namespace {

std::optional<Language> Option(const std::vector<std::string>& arguments, std::string* error = nullptr) {
    std::string message;
    const auto language = LanguageOption(arguments, message);
    if (error != nullptr)
        *error = message;
    return language;
}

TEST(LanguageChoiceTest, TheOptionTakesItsValueEitherWayAndRefusesAnyOther) {
    EXPECT_EQ(Option({"--lang", "en"}), Language::English);
    EXPECT_EQ(Option({"-platform", "offscreen", "--lang=zh"}), Language::Chinese);
    EXPECT_EQ(Option({"-platform", "offscreen"}), std::nullopt);
    std::string error;
    EXPECT_EQ(Option({"--lang", "de"}), Language::German);
    EXPECT_EQ(Option({"--lang", "fr"}, &error), std::nullopt);
    EXPECT_EQ(error, "--lang must be zh, en or de, not \"fr\"");
    EXPECT_EQ(Option({"--lang="}, &error), std::nullopt);
    EXPECT_NE(error.find("not \"\""), std::string::npos);
    EXPECT_EQ(Option({"--lang"}, &error), std::nullopt);
    EXPECT_EQ(error, "--lang needs a value: zh, en or de");
    EXPECT_EQ(RefuseBadLanguageOption({"--lang", "EN"}, "test"), 2);
    EXPECT_EQ(RefuseBadLanguageOption({"--lang", "en"}, "test"), std::nullopt);
}

TEST(LanguageChoiceTest, TheOptionBeatsTheSettingWhichBeatsTheSystem) {
    EXPECT_EQ(ChooseLanguage({Language::Chinese, Language::English}), Language::Chinese);
    EXPECT_EQ(ChooseLanguage({std::nullopt, Language::English}), Language::English);
    EXPECT_EQ(ChooseLanguage({std::nullopt, Language::Chinese}), Language::Chinese);
    // The tests run under C.UTF-8: not Chinese.
    EXPECT_EQ(ChooseLanguage({}), Language::English);
    EXPECT_EQ(SystemLanguage(), Language::English);
}

TEST(LanguageChoiceTest, TheSettingOfTerrovaneConfIsReadAndABadOneIsToldAndPassedOver) {
    std::string warning;
    EXPECT_EQ(LanguageSetting(warning), std::nullopt);
    EXPECT_TRUE(warning.empty());
    const auto write = [](const char* code) {
        platform::Settings settings;
        settings.SetLanguage(QString::fromLatin1(code));
        ASSERT_TRUE(settings.Save());
    };
    write("zh");
    EXPECT_EQ(LanguageSetting(warning), Language::Chinese);
    EXPECT_TRUE(RememberLanguage(Language::German));
    EXPECT_EQ(LanguageSetting(warning), Language::German);
    write("english");
    EXPECT_EQ(LanguageSetting(warning), std::nullopt);
    EXPECT_EQ(warning,
              "the setting Interface/Language=english is not zh, en or de; the system's language is used");
}

TEST(LanguageChoiceTest, EachLanguageLoadsItsTranslationAndChineseKeepsTheOriginalsTexts) {
    EXPECT_TRUE(InstallLanguage(Language::Chinese));
    EXPECT_EQ(InstalledLanguage(), Language::Chinese);
    EXPECT_EQ(QCoreApplication::translate("Report", "第 %d 页"), QString::fromUtf8("第 %d 页"));
    // Under Chinese the original's English message stays; the texts added beside it are Chinese.
    EXPECT_EQ(QCoreApplication::translate("Messages", "Read Data error, please retry"),
              "Read Data error, please retry");
    EXPECT_EQ(QCoreApplication::translate("terrovane::history::HistoryWindow", "Archive"),
              QString::fromUtf8("档案库"));
    EXPECT_TRUE(InstallLanguage(Language::German));
    EXPECT_EQ(QCoreApplication::translate("Report", "第 %d 页"), "Seite %d");
    EXPECT_EQ(QCoreApplication::translate("Menu", "Read (&R)"), "Lesen (&L)");
    EXPECT_EQ(QCoreApplication::translate("Plots", "Apparent resistivity (Ω·m)"),
              QString::fromUtf8("Scheinbarer spezifischer Erdwiderstand (Ω·m)"));
    EXPECT_TRUE(InstallLanguage(Language::English));
    EXPECT_EQ(InstalledLanguage(), Language::English);
    EXPECT_EQ(QCoreApplication::translate("Report", "第 %d 页"), "Page %d");
    EXPECT_EQ(QCoreApplication::translate("RapstelApp", "打印任务已启动!"),
              "A print job is already running!");
    // English sources are their own translation.
    EXPECT_EQ(QCoreApplication::translate("Menu", "Read (&R)"), "Read (&R)");
}

// The main program refuses a bad --lang before it needs a display, and says --lang in its help.
TEST(LanguageChoiceTest, TheMainProgramRefusesABadLanguageAndNamesTheOptionInItsHelp) {
    auto run = testing::RunCommand(std::string("'") + TERROVANE_PATH + "' --lang=fr 2>&1");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.text, "Terrovane: --lang must be zh, en or de, not \"fr\"\n");
    run = testing::RunCommand(std::string("'") + TERROVANE_PATH + "' --lang 2>&1");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.text, "Terrovane: --lang needs a value: zh, en or de\n");
    run = testing::RunCommand(std::string("'") + TERROVANE_PATH + "' --help");
    EXPECT_NE(run.text.find("Terrovane [--lang zh|en|de]"), std::string::npos) << run.text;
}

}  // namespace
}  // namespace terrovane::translations

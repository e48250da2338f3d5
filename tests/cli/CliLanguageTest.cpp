// terrovane-cli tells a person things in their language (the system's, or the suite's setting), while
// its usage lines and help, an interface, stay English under every locale.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>

#include "ChildProcess.h"

namespace terrovane::testing {
namespace {

// No instrument, and no archive unless the test names one.
ChildOutcome Cli(const std::vector<std::string>& arguments, std::vector<std::string> environment) {
    environment.push_back("TERROVANE_PORTMAP=/nonexistent/portmap");
    if (std::none_of(environment.begin(), environment.end(),
                     [](const std::string& entry) { return entry.starts_with("TERROVANE_ARCHIVE="); }))
        environment.push_back("TERROVANE_ARCHIVE=/nonexistent/archive.sqlite");
    ChildSettings settings;
    settings.environment = std::move(environment);
    return RunChild(TERROVANE_CLI_PATH, arguments, settings);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

const std::vector<std::string> kBadSlot = {"erase", "--slot=100"};
const std::string kUsage = "\nusage: terrovane-cli erase (--slot N | --all)";

TEST(CliLanguageTest, ARefusalIsSaidInTheSystemsLanguageAndItsUsageInEnglish) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"de_DE.UTF-8", "terrovane-cli erase: --slot erwartet eine Speicherplatznummer von 0 bis 99\n"},
        {"zh_CN.UTF-8", "terrovane-cli erase: --slot 需要 0 至 99 的存储位号\n"},
        {"C.UTF-8", "terrovane-cli erase: --slot takes a slot number from 0 to 99\n"},
        {"fr_FR.UTF-8", "terrovane-cli erase: --slot takes a slot number from 0 to 99\n"},
    };
    for (const auto& [locale, refusal] : cases) {
        const ChildOutcome run = Cli(kBadSlot, {"LANG=" + locale});
        EXPECT_EQ(run.status, 2) << locale;
        EXPECT_TRUE(StartsWith(run.err, refusal)) << locale << ": " << run.err;
        EXPECT_NE(run.err.find(kUsage), std::string::npos) << locale << ": " << run.err;
    }
}

TEST(CliLanguageTest, TheFirstOfLanguageLcAllLcMessagesAndLangDecides) {
    const std::string german = "terrovane-cli erase: --slot erwartet";
    const std::string chinese = "terrovane-cli erase: --slot 需要";
    EXPECT_TRUE(StartsWith(Cli(kBadSlot, {"LANGUAGE=de", "LANG=zh_CN.UTF-8"}).err, german));
    EXPECT_TRUE(StartsWith(Cli(kBadSlot, {"LC_ALL=zh_CN.UTF-8", "LANG=de_DE.UTF-8"}).err, chinese));
    EXPECT_TRUE(StartsWith(Cli(kBadSlot, {"LC_MESSAGES=de_DE.UTF-8", "LANG=zh_CN.UTF-8"}).err, german));
}

TEST(CliLanguageTest, TheSuitesLanguageSettingOverridesTheSystem) {
    QTemporaryDir config;
    const QString folder = config.path() + QStringLiteral("/应用程序向导生成的本地应用程序");
    ASSERT_TRUE(QDir().mkpath(folder));
    std::ofstream((folder + QStringLiteral("/Terrovane.conf")).toStdString()) << "[Interface]\nLanguage=zh\n";
    const ChildOutcome run =
        Cli(kBadSlot, {"LANG=de_DE.UTF-8", "XDG_CONFIG_HOME=" + config.path().toStdString()});
    EXPECT_TRUE(StartsWith(run.err, "terrovane-cli erase: --slot 需要")) << run.err;
}

TEST(CliLanguageTest, HelpStaysEnglishUnderEveryLocale) {
    const ChildOutcome english = Cli({"erase", "--help"}, {"LANG=C.UTF-8"});
    for (const std::string locale : {"de_DE.UTF-8", "zh_CN.UTF-8"}) {
        const ChildOutcome help = Cli({"erase", "--help"}, {"LANG=" + locale});
        EXPECT_EQ(help.status, 0) << locale;
        EXPECT_EQ(help.out, english.out) << locale;
        EXPECT_EQ(Cli({"--help"}, {"LANG=" + locale}).out, Cli({"--help"}, {"LANG=C.UTF-8"}).out) << locale;
    }
}

TEST(CliLanguageTest, OptionErrorsOfTheParserAreTranslatedToo) {
    const ChildOutcome german = Cli({"erase"}, {"LANG=de_DE.UTF-8"});
    EXPECT_TRUE(StartsWith(german.err, "terrovane-cli erase: erfordert --slot oder --all\n")) << german.err;
    const ChildOutcome chinese = Cli({"erase", "--slot", "1", "--all"}, {"LANG=zh_CN.UTF-8"});
    EXPECT_TRUE(StartsWith(chinese.err, "terrovane-cli erase: 只能取 --slot 或 --all 之一\n")) << chinese.err;
}

TEST(CliLanguageTest, ConfirmationsAndTheArchivesRefusalsAreSaidInTheLanguageToo) {
    QTemporaryDir dir;
    const std::string archive = "TERROVANE_ARCHIVE=" + dir.path().toStdString() + "/archive.sqlite";
    const ChildOutcome added = Cli({"site", "add", "Werk Süd"}, {"LANG=de_DE.UTF-8", archive});
    EXPECT_EQ(added.out, "Anlage 1 hinzugefügt\n") << added.err;
    const ChildOutcome twice = Cli({"site", "add", "Werk Süd"}, {"LANG=de_DE.UTF-8", archive});
    EXPECT_EQ(twice.err, "site add: es gibt bereits eine Anlage namens „Werk Süd“\n");
    const ChildOutcome missing = Cli({"point", "set", "Werk Süd", "P9"}, {"LANG=zh_CN.UTF-8", archive});
    EXPECT_EQ(missing.err, "point set: 站点 “Werk Süd” 没有测试点 “P9”\n");
    // The listing is for scripts: the same words under every locale.
    EXPECT_EQ(Cli({"sites"}, {"LANG=de_DE.UTF-8", archive}).out,
              Cli({"sites"}, {"LANG=C.UTF-8", archive}).out);
}

}  // namespace
}  // namespace terrovane::testing

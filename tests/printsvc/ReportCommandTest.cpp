// The report subcommand of terrovane-cli, run as a program.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "Fixtures.h"
#include "HandoffFiles.h"

namespace terrovane::cli {
namespace {

std::string Cli(const std::string& args) {
    return std::string("QT_QPA_PLATFORM=offscreen '") + TERROVANE_CLI_PATH + "' report " + args + " 2>&1";
}

TEST(ReportCommandTest, DrawsTheRecordFileIntoAPdf) {
    QTemporaryDir dir;
    const std::string data = (dir.path() + "/data.inf").toStdString();
    const std::string pdf = (dir.path() + "/report.pdf").toStdString();
    std::vector<std::pair<std::size_t, record::MeasurementRecord>> records;
    for (std::size_t slot = 0; slot < 41; ++slot)
        records.emplace_back(slot, testing::SampleRecord(2));
    ASSERT_TRUE(handoff::WriteRecordFileAt(data, testing::ImageWith(records)));
    const auto run =
        testing::RunCommand(Cli("--pdf " + pdf + " --from " + data +
                                " --object Substation --serial SN9 --tester Li --date 2009-01-15"));
    ASSERT_EQ(run.status, 0) << run.text;
    EXPECT_EQ(testing::PdfPageCount(pdf), 3);
    const std::string text = testing::PdfText(pdf);
    for (const char* part : {"Substation", "SN9", "Li", "2009-01-15", "40"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

// Letters outside the files' code page are printed as typed, not as "?".
TEST(ReportCommandTest, TheHeaderKeepsEveryLetter) {
    QTemporaryDir dir;
    const std::string data = (dir.path() + "/data.inf").toStdString();
    const std::string pdf = (dir.path() + "/report.pdf").toStdString();
    ASSERT_TRUE(handoff::WriteRecordFileAt(data, testing::ImageWith({{0, testing::SampleRecord(1)}})));
    const auto run =
        testing::RunCommand(Cli("--pdf " + pdf + " --from " + data +
                                " --object 'Werk Straße 5' --serial 'Ø12 rod' --tester 'Jörg Łoś'"));
    ASSERT_EQ(run.status, 0) << run.text;
    const std::string text = testing::PdfText(pdf);
    for (const char* typed : {"Werk Straße 5", "Ø12 rod", "Jörg Łoś"})
        EXPECT_NE(text.find(typed), std::string::npos) << typed << " in\n" << text;
    EXPECT_EQ(text.find('?'), std::string::npos) << text;
}

// Spaces out of pdftotext's layout, so "第 1 页" and a wrapped title compare as words.
std::string Squeezed(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

TEST(ReportCommandTest, TheReportSpeaksTheSystemsLanguageUnlessToldOtherwise) {
    QTemporaryDir dir;
    const std::string data = (dir.path() + "/data.inf").toStdString();
    ASSERT_TRUE(handoff::WriteRecordFileAt(data, testing::ImageWith({{0, testing::SampleRecord(1)}})));
    const std::string pdf = (dir.path() + "/report.pdf").toStdString();
    const auto textOf = [&](const std::string& lang, const std::string& option) {
        const auto run =
            testing::RunCommand("LANG=" + lang + " " + Cli("--pdf " + pdf + " --from " + data + option));
        EXPECT_EQ(run.status, 0) << run.text;
        return Squeezed(testing::PdfText(pdf));
    };
    // Words that stay whole in pdftotext's output (the narrowest columns break theirs).
    const std::vector<std::string> english = {"TestReport", "Earth/GroundResistanceTester",
                                              "Testobject", "Tester",
                                              "No.",        "Mode",
                                              "Volt",       "Freq",
                                              "Soilρ",      "Page1"};
    const std::vector<std::string> chinese = {"接地电阻测试仪", "测试对象", "模式", "电压",
                                              "频率",           "电阻率",   "第1页"};
    for (const auto& [lang, option, expected, absent] :
         {std::tuple{"C", "", english, chinese}, std::tuple{"en_US.UTF-8", "", english, chinese},
          std::tuple{"zh_CN.UTF-8", "", chinese, english}, std::tuple{"C", " --lang zh", chinese, english},
          std::tuple{"zh_CN.UTF-8", " --lang=en", english, chinese}}) {
        const std::string text = textOf(lang, option);
        for (const std::string& part : expected)
            EXPECT_NE(text.find(part), std::string::npos) << lang << option << ": " << part;
        EXPECT_EQ(text.find(absent.back()), std::string::npos) << lang << option;
    }
}

// The workbook is file content, not a screen text: the same bytes whatever the language.
TEST(ReportCommandTest, TheWorkbookKeepsItsBytesWhateverTheLanguage) {
    QTemporaryDir dir;
    const std::string data = (dir.path() + "/data.inf").toStdString();
    ASSERT_TRUE(handoff::WriteRecordFileAt(data, testing::ImageWith({{0, testing::SampleRecord(1)}})));
    std::vector<std::vector<std::uint8_t>> workbooks;
    for (const char* lang : {"zh_CN.UTF-8", "C", "en_US.UTF-8"}) {
        const std::string xls = (dir.path() + "/" + lang + ".xls").toStdString();
        const auto run = testing::RunCommand(std::string("LANG=") + lang + " QT_QPA_PLATFORM=offscreen '" +
                                             TERROVANE_CLI_PATH + "' export --no-archive --from " + data +
                                             " --xls " + xls + " 2>&1");
        ASSERT_EQ(run.status, 0) << run.text;
        workbooks.push_back(testing::ReadBytes(xls));
    }
    EXPECT_EQ(workbooks[0], workbooks[1]);
    EXPECT_EQ(workbooks[0], workbooks[2]);
    // Its Chinese column title, as BIFF keeps it (UTF-16LE).
    const std::vector<std::uint8_t> date = {0xE5, 0x65, 0x1F, 0x67, '(', 0, 'D', 0,
                                            'a',  0,    't',  0,    'e', 0, ')', 0};
    EXPECT_NE(std::search(workbooks[1].begin(), workbooks[1].end(), date.begin(), date.end()),
              workbooks[1].end());
}

TEST(ReportCommandTest, BadInvocationsFailClearly) {
    QTemporaryDir dir;
    const std::string pdf = (dir.path() + "/r.pdf").toStdString();
    // Without --from the results come from the instrument; with none attached that is a failed exchange.
    auto run = testing::RunCommand("TERROVANE_PORTMAP=" + (dir.path() + "/no-portmap").toStdString() + " " +
                                   Cli("--pdf " + pdf));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.text.find("device driver error"), std::string::npos);
    const std::string shortFile = (dir.path() + "/short.inf").toStdString();
    testing::WriteBytes(shortFile, std::vector<std::uint8_t>(7199, 'U'));
    run = testing::RunCommand(Cli("--pdf " + pdf + " --from " + shortFile));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.text.find("7200-byte"), std::string::npos);
    run = testing::RunCommand(Cli("--pdf " + pdf + " --from " + shortFile + " --date 15.01.2009"));
    EXPECT_EQ(run.status, 2);
    run = testing::RunCommand(Cli("--pdf " + pdf + " --from " + shortFile + " --lang fr"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.text.find("--lang must be zh, en or de, not \"fr\""), std::string::npos) << run.text;
}

}  // namespace
}  // namespace terrovane::cli

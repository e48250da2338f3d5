// The report subcommand of terrovane-cli, run as a program.
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace terrovane::cli

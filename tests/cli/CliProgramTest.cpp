// terrovane-cli as a program: every command's options parsed strictly, its help, and the image files it
// reads checked before anything is read from them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include <csignal>
#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "DemoImage.h"
#include "SimProcess.h"

namespace terrovane::testing {
namespace {

// Each command with an invocation that is complete but for what a test adds to it.
const std::vector<std::pair<std::string, std::vector<std::string>>> kCommands = {
    {"read", {"read"}},
    {"export", {"export", "--xls", "book.xls"}},
    {"report", {"report", "--pdf", "report.pdf"}},
    {"clock", {"clock"}},
    {"erase", {"erase", "--all"}},
    {"ports", {"ports"}},
    {"doctor", {"doctor"}},
    {"history", {"history"}},
    {"history", {"history", "open", "1", "--out", "image.bin"}},
    {"history", {"history", "label", "1", "text"}},
    {"soil", {"soil", "--csv", "sounding.csv"}},
    {"fop", {"fop", "--csv", "curve.csv", "--current-probe", "50"}},
};

ChildOutcome Cli(std::vector<std::string> arguments, ChildSettings settings = {}) {
    // No instrument and no archive of the user's: whatever gets past the options fails harmlessly.
    settings.environment.push_back("TERROVANE_PORTMAP=/nonexistent/portmap");
    settings.environment.push_back("TERROVANE_ARCHIVE=/nonexistent/archive.sqlite");
    return RunChild(TERROVANE_CLI_PATH, arguments, settings);
}

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliFilesTest : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return (dir_.path() + "/" + name.c_str()).toStdString(); }
    std::string WriteBytes(const std::string& name, std::size_t size, char fill = 0) const {
        std::ofstream(In(name), std::ios::binary) << std::string(size, fill);
        return In(name);
    }
    std::string Image(const std::string& name) const {
        const auto image = sim::DemoImage();
        std::ofstream(In(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        return In(name);
    }

    QTemporaryDir dir_;
};

TEST(CliOptionsTest, EveryCommandRefusesAnUnknownOptionWithItsUsage) {
    for (const auto& [name, invocation] : kCommands) {
        const ChildOutcome run = Cli(With(invocation, {"--bogus"}));
        EXPECT_EQ(run.status, 2) << invocation[1 % invocation.size()] << run.err;
        EXPECT_NE(run.err.find("terrovane-cli " + name + ": unknown option 'bogus'"), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("usage: terrovane-cli " + name), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliOptionsTest, EveryCommandExplainsItselfOnHelp) {
    for (const auto& [name, invocation] : kCommands) {
        const std::string viaHelpCommand = Cli({"help", name}).out;
        for (const char* help : {"--help", "-h"}) {
            const ChildOutcome run = Cli({name, help});
            EXPECT_EQ(run.status, 0) << name << run.err;
            EXPECT_EQ(run.out.rfind("usage:\n    terrovane-cli " + name, 0), 0u) << run.out;
            EXPECT_NE(run.out.find("options:\n"), std::string::npos) << run.out;
            EXPECT_EQ(viaHelpCommand, run.out);
        }
    }
    const std::string help = Cli({"export", "--help"}).out;
    EXPECT_NE(help.find("    --from DATA_INF\n        Take the results"), std::string::npos) << help;
    EXPECT_NE(Cli({"history", "open", "--help"}).out.find("    --note TEXT\n"), std::string::npos);
}

TEST(CliOptionsTest, StrayArgumentsMissingValuesAndBadValuesAreUsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"export", "--xls", "b.xls", "stray"}, "terrovane-cli export: unexpected argument \"stray\""},
        {{"export", "--xls"}, "terrovane-cli export: missing value after '--xls'"},
        {{"export", "--xls="}, "terrovane-cli export: --xls needs a file name"},
        {{"export"}, "terrovane-cli export: needs --xls"},
        {{"ports", "x"}, "terrovane-cli ports: unexpected argument \"x\""},
        {{"read", "--no-archive=yes"}, "terrovane-cli read: unexpected value after '--no-archive'"},
        {{"read", "--format=xml"}, "terrovane-cli read: --format is table, csv or json"},
        {{"erase"}, "terrovane-cli erase: needs --slot or --all"},
        {{"erase", "--slot", "1", "--all"}, "terrovane-cli erase: takes only one of --slot or --all"},
        {{"erase", "--slot=100"}, "terrovane-cli erase: --slot takes a slot number from 0 to 99"},
        {{"clock", "--set", "2009-01-15"}, "terrovane-cli clock: --set takes"},
        {{"report", "--pdf", "r.pdf", "--date=15.01.2009"},
         "terrovane-cli report: --date must be YYYY-MM-DD"},
        {{"history", "open", "1", "2", "--out", "f"}, "terrovane-cli history: unexpected argument \"2\""},
        {{"history", "label", "1"}, "terrovane-cli history: missing TEXT"},
        {{"history", "frobnicate"}, "terrovane-cli history: unexpected argument \"frobnicate\""},
        {{"history", "--mode=x"}, "terrovane-cli history: --mode takes a mode code"},
        {{"export", "--xls", "b.xls", "--from", "d.inf", "--port", "/dev/ttyUSB0"},
         "terrovane-cli export: --port names the instrument to read; --from reads no instrument"},
        {{"report", "--pdf", "r.pdf", "--from", "d.inf", "--port=0001"},
         "terrovane-cli report: --port names the instrument to read; --from reads no instrument"},
    };
    for (const auto& [arguments, message] : cases) {
        const ChildOutcome run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << message << "\n" << run.err;
        EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("\nusage: terrovane-cli " + arguments[0]), std::string::npos) << run.err;
    }
}

TEST_F(CliFilesTest, AMistypedOptionNeitherReadsNorWrites) {
    const std::string out = In("image.bin");
    const ChildOutcome run = Cli({"read", "--output=" + out});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(std::ifstream(out).good());
}

TEST_F(CliFilesTest, ValuesFollowAfterASpaceOrAnEqualsSign) {
    const std::string image = Image("data.inf");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"export", "--xls=" + In("a.xls"), "--from", image},
             {"export", "--xls", In("b.xls"), "--from=" + image},
             {"report", "--pdf=" + In("a.pdf"), "--from=" + image, "--object=Pole 7", "--date=2009-01-15"}}) {
        const ChildOutcome run = Cli(arguments);
        EXPECT_EQ(run.status, 0) << arguments[1] << run.err;
    }
    EXPECT_EQ(Contents(In("a.xls")), Contents(In("b.xls")));
    EXPECT_EQ(Contents(In("a.pdf")).rfind("%PDF", 0), 0u);
}

// The paced read-out a user runs, its pace shortened as the other link tests shorten it (the full pace
// is several seconds of waiting and proves nothing more here).
TEST_F(CliFilesTest, ReadWritesTheImageNamedAfterAnEqualsSign) {
    SimProcess sim({});
    ASSERT_TRUE(sim.Started());
    const std::string out = In("image.bin");
    ChildSettings settings;
    settings.environment = {"TERROVANE_LINK_PACING=100,1,early", "TERROVANE_PORTMAP=" + sim.MapPath()};
    const ChildOutcome run = RunChild(TERROVANE_CLI_PATH, {"read", "--out=" + out, "--no-archive"}, settings);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto demo = sim::DemoImage();
    EXPECT_EQ(Contents(out), std::string(demo.begin(), demo.end()));
}

TEST_F(CliFilesTest, WhatIsNotAReadOutImageIsRefusedNamingItAndWhy) {
    ASSERT_EQ(::mkfifo(In("fifo").c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {dir_.path().toStdString(), "is a folder"},
        {"/dev/zero", "is a device"},
        {In("fifo"), "is a FIFO"},
        {WriteBytes("short.inf", 7199), "7199 bytes found"},
        {WriteBytes("long.inf", 7201), "7201 bytes found"},
        {In("missing.inf"), "No such file or directory"},
    };
    for (const char* command : {"export", "report"}) {
        for (const auto& [path, reason] : inputs) {
            ChildSettings settings;
            settings.timeout = std::chrono::seconds(10);
            const std::string output = In(std::string("out.") + command);
            const ChildOutcome run =
                Cli({command, command == std::string("export") ? "--xls" : "--pdf", output, "--from", path},
                    settings);
            ASSERT_FALSE(run.timedOut) << command << " " << path;
            EXPECT_EQ(run.status, 1) << command << " " << path << run.err;
            EXPECT_EQ(run.err.rfind(std::string(command) + ": " + path + ": ", 0), 0u) << run.err;
            EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
            EXPECT_FALSE(std::ifstream(output).good());
        }
    }
}

TEST_F(CliFilesTest, AFileSizeLimitFailsTheWriteInsteadOfKillingTheProgram) {
    ASSERT_NE(std::signal(SIGXFSZ, SIG_DFL), SIG_ERR);  // the child starts with the default, killing action
    const std::string image = Image("data.inf");
    ChildSettings settings;
    settings.fileSizeLimit = 512;
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"export", "--xls", In("book.xls"), "--from", image},
                                               {"report", "--pdf", In("report.pdf"), "--from", image}}) {
        const ChildOutcome run = Cli(arguments, settings);
        EXPECT_EQ(run.signal, 0) << arguments[0];
        EXPECT_TRUE(run.exited) << arguments[0];
        EXPECT_EQ(run.status, 1) << arguments[0] << run.err;
        EXPECT_NE(run.err.find(arguments[2]), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("internal error"), std::string::npos) << run.err;
        EXPECT_FALSE(std::ifstream(arguments[2]).good());
    }
}

TEST(SimOptionsTest, TheSimulatorRefusesUnknownOptionsWithItsUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--bogus", "x"}, {"--bogus"}, {"--com", "0", "--portmap", "/nonexistent/map"}}) {
        const ChildOutcome run = RunChild(TERROVANE_SIM_PATH, arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << run.err;
        EXPECT_NE(run.err.find("usage: terrovane-sim [--image FILE]"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("terrovane-sim: "), std::string::npos) << run.err;
    }
    // An unknown option is named as such, with or without something after it.
    EXPECT_NE(RunChild(TERROVANE_SIM_PATH, {"--bogus"}).err.find("unknown option \"--bogus\""),
              std::string::npos);
    const ChildOutcome help = RunChild(TERROVANE_SIM_PATH, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("NAME\n", 0), 0u);
}

}  // namespace
}  // namespace terrovane::testing

// terrovane-cli against the simulated instrument when the instrument goes away in the middle of each
// command, and when a second read-out comes while the first still holds the port.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DemoImage.h"
#include "LinkMessages.h"
#include "ShellCommand.h"
#include "SimProcess.h"

namespace terrovane::link {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ShellQuoted;
using testing::SimProcess;

class CommandLineLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/cli-link-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        fs::create_directory(Path("runtime"));
        fs::permissions(Path("runtime"), fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    std::string CliLine(const SimProcess& sim, const std::string& args) const {
        // Requests every millisecond; the handshake and the last pause end once the simulator has
        // answered, within the instrument's 100 ms. A fast read-out keeps the instrument's own pace.
        const bool fast = args.find("--fast") != std::string::npos;
        return "env QT_QPA_PLATFORM=offscreen TERROVANE_LINK_PACING=" +
               std::string(fast ? "100,100,early" : "100,1,early") +
               " XDG_RUNTIME_DIR=" + ShellQuoted(Path("runtime")) +
               " XDG_CONFIG_HOME=" + ShellQuoted(Path("config")) +
               " TERROVANE_ARCHIVE=" + ShellQuoted(Path("archive.sqlite")) +
               " TERROVANE_PORTMAP=" + ShellQuoted(sim.MapPath()) + " " + ShellQuoted(TERROVANE_CLI_PATH) +
               " " + args;
    }
    // Standard error only; standard output is kept in out.txt.
    testing::CommandOutput Cli(const SimProcess& sim, const std::string& args) const {
        return testing::RunCommand("timeout 60 " + CliLine(sim, args) + " 2>&1 >" +
                                   ShellQuoted(Path("out.txt")));
    }

    std::string dir_;
};

// Every command that talks to the instrument: the message of the command that was going on, once, on
// standard error, exit 1, and nothing written.
TEST_F(CommandLineLinkTest, InstrumentLostDuringEachCommandIsToldAndFailsTheCommand) {
    struct Case {
        const char* fault;
        std::string args;
        const char* message;
    };
    // A read-out is one handshake line and 100 requests; erase reads first, then sends its one line. A
    // command reads nothing before its own read-out, so no message may claim earlier results are kept.
    const Case cases[] = {
        {"unplug-after:1", "read --out " + Path("image.bin"), kLostDuringFirstReadOut},
        {"unplug-after:50", "read --out " + Path("image.bin"), kLostDuringFirstReadOut},
        {"unplug-after:99", "read --out " + Path("image.bin"), kLostDuringFirstReadOut},
        {"unplug-on-line:2", "clock --set '2009-01-05 10:07'", kLostDuringClock},
        {"unplug-on-line:102", "erase --slot 0 --yes", kLostDuringErase},
        {"unplug-on-line:102", "erase --all --yes", kLostDuringErase},
        {"unplug-after:30", "erase --all --yes", kLostDuringFirstReadOut},
        {"unplug-after:50", "export --xls " + Path("out.xls"), kLostDuringFirstReadOut},
        {"unplug-after:50", "report --pdf " + Path("out.pdf"), kLostDuringFirstReadOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fault) + " " + c.args);
        SimProcess sim({"--fault", c.fault});
        ASSERT_TRUE(sim.Started());
        const auto run = Cli(sim, c.args);
        EXPECT_EQ(run.status, 1);
        // Erase tells its read-out and asks first; the loss is the last word, and said only once.
        const std::string told = std::string(c.message) + "\n";
        EXPECT_TRUE(run.text.ends_with(told)) << run.text;
        EXPECT_EQ(run.text.find(c.message), run.text.rfind(c.message)) << run.text;
        for (const char* output : {"image.bin", "out.xls", "out.pdf"})
            EXPECT_FALSE(fs::exists(Path(output))) << output;
    }
}

// The first read-out holds the port (also against root, through flock); the second is refused at once
// and names the holder, and the first still gets all its results. The first waits for every packet, each
// held back 40 ms, so it lasts about five seconds: longer than a second program takes to start even on
// a loaded machine under the sanitizers (with requests every millisecond it ended before the second began).
// The hold stays well inside the pace of a request (100 ms): held back 80 ms, a packet that a loaded
// machine delayed by another 20 ms came after the pace had moved on, and the image was judged short.
TEST_F(CommandLineLinkTest, SecondReadOutIsRefusedWhileTheFirstHoldsThePort) {
    SimProcess sim({"--fault", "slow:40", "--log", "@log"});
    ASSERT_TRUE(sim.Started());
    const std::string first =
        CliLine(sim, "read --fast --no-archive --out " + ShellQuoted(Path("first.bin"))) + " >" +
        ShellQuoted(Path("first.out")) + " 2>&1; echo $? >" + ShellQuoted(Path("first.rc"));
    ASSERT_EQ(std::system(("(" + first + ") &").c_str()), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (sim.Log().find("DAT_REC 3 ") == std::string::npos && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_NE(sim.Log().find("DAT_REC 3 "), std::string::npos) << "the first read-out never started";

    const auto second = Cli(sim, "read --no-archive");
    EXPECT_EQ(second.status, 1);
    EXPECT_THAT(second.text, HasSubstr(kCannotOpenPort));
    EXPECT_THAT(second.text, HasSubstr("in use by terrovane-cli (pid "));

    while (!fs::exists(Path("first.rc")) &&
           std::chrono::steady_clock::now() < deadline + std::chrono::seconds(40))
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(testing::ReadFile(Path("first.rc")), "0\n") << testing::ReadFile(Path("first.out"));
    const record::ReadOutBuffer demo = sim::DemoImage();
    EXPECT_TRUE(testing::ReadFile(Path("first.bin")) == std::string(demo.begin(), demo.end()))
        << "the first read-out's image differs from the instrument's";
}

// With the instrument's own pacing (100 ms) on a realistic line the fast read-out takes about a second
// instead of ten, and brings the instrument's image.
TEST_F(CommandLineLinkTest, FastReadOutAtTheInstrumentsPaceBringsTheWholeImage) {
    SimProcess sim({"--line-pace", "--busy", "2:8", "--log", "@log"});
    ASSERT_TRUE(sim.Started());
    const auto run = Cli(sim, "read --fast --no-archive --out " + ShellQuoted(Path("fast.bin")));
    EXPECT_EQ(run.status, 0) << run.text;
    EXPECT_EQ(run.text, std::string(kReadOk) + "\n");
    const record::ReadOutBuffer demo = sim::DemoImage();
    EXPECT_TRUE(testing::ReadFile(Path("fast.bin")) == std::string(demo.begin(), demo.end()));
    EXPECT_NE(sim.Log().find("DAT_REC 99 \r"), std::string::npos);
}

// A port map that is a device or a FIFO must neither hang discovery nor feed it without end.
TEST_F(CommandLineLinkTest, PortMapThatIsNoFileFailsAtOnceAndSaysWhy) {
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    for (const std::string& map : {std::string("/dev/zero"), Path("fifo")}) {
        const auto run = testing::RunCommand(
            "timeout 20 env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + ShellQuoted(Path("runtime")) +
            " TERROVANE_PORTMAP=" + ShellQuoted(map) + " " + ShellQuoted(TERROVANE_CLI_PATH) +
            " read --no-archive 2>&1 >/dev/null");
        EXPECT_EQ(run.status, 1) << map;
        EXPECT_THAT(run.text, HasSubstr(kDriverError));
        EXPECT_THAT(run.text, HasSubstr("TERROVANE_PORTMAP: " + map + ": is not a regular file\n"));
    }
}

// Two bridges in one map (the handshake keeps its 100 ms, the room a loaded machine needs): `ports` lists
// both, --port reads the one it names (by device path) and nothing goes to the other; a port that is not one
// of ours is refused before anything is sent.
TEST_F(CommandLineLinkTest, PortOptionPicksOneOfSeveralBridgesAndRefusesAStranger) {
    SimProcess first({"--log", "@log"});
    SimProcess second({"--log", "@log"});
    ASSERT_TRUE(first.Started() && second.Started());
    const std::string map = Path("two-bridges.ini");
    std::ofstream(map) << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM3\n"
                       << "\\Device\\Silabser1=COM4\n[Ports]\nCOM3=" << first.DevicePath()
                       << "\nCOM4=" << second.DevicePath() << "\n";
    auto cli = [&](const std::string& args) {
        return testing::RunCommand(
            "timeout 60 env QT_QPA_PLATFORM=offscreen TERROVANE_LINK_PACING=100,2,early "
            "XDG_RUNTIME_DIR=" +
            ShellQuoted(Path("runtime")) + " XDG_CONFIG_HOME=" + ShellQuoted(Path("config")) +
            " TERROVANE_PORTMAP=" + ShellQuoted(map) + " " + ShellQuoted(TERROVANE_CLI_PATH) + " " + args +
            " 2>&1");
    };

    const auto ports = cli("ports");
    EXPECT_EQ(ports.status, 0) << ports.text;
    EXPECT_THAT(ports.text,
                HasSubstr("  COM3  device " + first.DevicePath() + "  product -  serial -  usb -\n"));
    EXPECT_THAT(ports.text,
                HasSubstr("  COM4  device " + second.DevicePath() + "  product -  serial -  usb -\n"));

    const auto read = cli("read --no-archive --out " + ShellQuoted(Path("image.bin")) + " --port " +
                          ShellQuoted(second.DevicePath()));
    EXPECT_EQ(read.status, 0) << read.text;
    EXPECT_THAT(second.Log(), HasSubstr("DAT_REC 99 "));
    EXPECT_EQ(first.Log(), "");
    const record::ReadOutBuffer demo = sim::DemoImage();
    EXPECT_TRUE(testing::ReadFile(Path("image.bin")) == std::string(demo.begin(), demo.end()));

    // The doctor's handshake tries the port named, and no other.
    const auto doctor = cli("doctor --port " + ShellQuoted(second.DevicePath()));
    EXPECT_EQ(doctor.status, 0) << doctor.text;
    EXPECT_THAT(doctor.text, HasSubstr("the instrument answered on COM4"));
    EXPECT_EQ(first.Log(), "");

    const std::string sentBefore = first.Log() + second.Log();
    for (const std::string& command :
         {std::string("read --no-archive"), std::string("clock"), std::string("erase --all --yes"),
          std::string("doctor"), "export --xls " + ShellQuoted(Path("out.xls")),
          "report --pdf " + ShellQuoted(Path("out.pdf"))}) {
        const auto refused = cli(command + " --port /dev/ttyUSB77");
        EXPECT_EQ(refused.status, 1) << command << refused.text;
        EXPECT_THAT(refused.text, HasSubstr("--port /dev/ttyUSB77: no port of the instrument's bridge"));
    }
    EXPECT_EQ(first.Log() + second.Log(), sentBefore);
    EXPECT_FALSE(fs::exists(Path("out.xls")));
}

}  // namespace
}  // namespace terrovane::link

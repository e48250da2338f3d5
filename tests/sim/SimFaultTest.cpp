// Each misbehaviour the simulated instrument can be told to show, seen on the line.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>

#include "DemoImage.h"
#include "PortMap.h"
#include "ScratchFolder.h"
#include "SimProcess.h"

namespace terrovane::sim {
namespace {

using namespace std::chrono_literals;
using record::RecordPacket;
using testing::ReadFile;
using testing::SimProcess;

std::vector<std::uint8_t> BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(SimFaultTest, SilentNeverAnswers) {
    SimProcess sim({"--fault", "silent"});
    sim.Connect();
    sim.Send("OK\r\nDAT_REC 0 \r");
    EXPECT_TRUE(sim.Receive(1, 300ms).empty());
}

TEST(SimFaultTest, PacketFaultsDamageOnlyTheirPacket) {
    SimProcess sim({"--fault", "short", "--fault", "marker:5"});
    sim.Connect();
    sim.Send("DAT_REC 4 \r");
    EXPECT_EQ(sim.Receive(73, 100ms).size(), 72u);
    sim.Send("DAT_REC 5 \r");
    const auto damaged = sim.Receive(73, 100ms);
    ASSERT_EQ(damaged.size(), 72u);
    EXPECT_EQ(damaged[0], 'O');
    EXPECT_EQ(damaged[1], 'K');
    EXPECT_FALSE(damaged[68] == 'O' && damaged[69] == 'K');
    sim.Send("DAT_REC 99 \r");
    EXPECT_EQ(sim.Receive(73, 100ms).size(), 71u);
}

TEST(SimFaultTest, ClockAndEraseRefusals) {
    const auto image = DemoImage();
    SimProcess sim({"--fault", "clock-fail", "--fault", "erase-fail"}, &image);
    sim.Connect();
    sim.Send("DATE_SET 20 9 3 7 14 5 \r");
    EXPECT_EQ(sim.Receive(5, 200ms), BytesOf("ER\r\n"));
    sim.Send("EREASE_FLASH 200\r\n");
    EXPECT_EQ(sim.Receive(5, 200ms), BytesOf("NO\r\n"));
    const auto stored = ReadFile(sim.ImagePath());
    EXPECT_EQ(stored, std::string(image.begin(), image.end()));
}

TEST(SimFaultTest, EraseShortAnswersThreeBytes) {
    SimProcess sim({"--fault", "erase-short"});
    sim.Connect();
    sim.Send("EREASE_FLASH 0\r\n");
    EXPECT_EQ(sim.Receive(5, 200ms), BytesOf("OK\r"));
}

TEST(SimFaultTest, SlowHoldsEachPacketBack) {
    SimProcess sim({"--fault", "slow:150"});
    sim.Connect();
    const auto start = std::chrono::steady_clock::now();
    sim.Send("DAT_REC 0 \rDAT_REC 1 \r");
    // A hold can only be seen as a least time: a loaded machine lengthens it, never shortens it, and the
    // packets' arrival is waited for with a deadline rather than expected within a time.
    EXPECT_TRUE(sim.Receive(1, 100ms).empty());
    EXPECT_EQ(sim.Receive(144, 20s).size(), 144u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
}

TEST(SimFaultTest, NoiseAddsBytesBetweenPackets) {
    SimProcess sim({"--fault", "noise"});
    sim.Connect();
    sim.Send("DAT_REC 0 \rDAT_REC 1 \r");
    const auto received = sim.Receive(1000, 200ms);
    EXPECT_GT(received.size(), 144u);
    EXPECT_LE(received.size(), 150u);
}

TEST(SimFaultTest, UnplugAfterLeavesTheMapAndHangsUp) {
    SimProcess sim({"--fault", "unplug-after:2"});
    sim.Connect();
    // The third request comes with the two, as fast requests can: it is never answered.
    sim.Send("DAT_REC 0 \rDAT_REC 1 \rDAT_REC 2 \r");
    EXPECT_EQ(sim.Receive(300, 300ms).size(), 144u);
    EXPECT_EQ(sim.WaitForExit(2s), 0);
    const auto map = platform::MakeFilePortMap(sim.MapPath());
    EXPECT_TRUE(map->ReadKey(platform::kSerialCommKey)->empty());
    EXPECT_EQ(map->DevicePathFor(3), "");
}

TEST(SimFaultTest, UnknownFaultIsRefused) {
    const std::string command = std::string(TERROVANE_SIM_PATH) + " --portmap '" +
                                (testing::ScratchFolder() / "unused.ini").string() + "' --fault sparks 2>&1";
    FILE* output = ::popen(command.c_str(), "r");
    char text[512] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, output);
    EXPECT_EQ(WEXITSTATUS(::pclose(output)), 2);
    EXPECT_NE(std::string(text, length).find("unknown fault \"sparks\""), std::string::npos);
}

}  // namespace
}  // namespace terrovane::sim

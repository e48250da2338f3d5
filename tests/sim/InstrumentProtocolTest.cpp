// The simulated instrument, as the program meets it: found through the port map, answering each command.
#include <QCoreApplication>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "ByteCompare.h"
#include "CMSComm.h"
#include "DemoImage.h"
#include "EventWait.h"
#include "MeasurementRecord.h"
#include "PortMap.h"
#include "ScratchFolder.h"
#include "SimProcess.h"

namespace terrovane::sim {
namespace {

using namespace std::chrono_literals;
using record::PacketOf;
using record::RecordPacket;
using testing::BytesEqual;
using testing::ReadFile;
using testing::SimProcess;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A distinct image: the demo results, with slot 12 numbered so a mix-up of slots shows.
record::ReadOutBuffer TestImage() {
    auto image = DemoImage();
    PacketOf(image, 12)[RecordPacket::kValidMarkOffset] = RecordPacket::kValidMark;
    for (std::size_t i = 14; i < 58; ++i)
        PacketOf(image, 12)[i] = static_cast<std::uint8_t>(i);
    return image;
}

TEST(SimProtocolTest, AnswersHandshakeRecordAndClockRequests) {
    const auto image = TestImage();
    SimProcess sim({"--log", "@log"}, &image);
    sim.Connect();

    sim.Send("OK\r\n");
    EXPECT_EQ(sim.Receive(4, 300ms), Bytes("OK\r\n"));

    sim.Send("DAT_REC 12 \r");
    const auto packet = PacketOf(image, 12);
    EXPECT_TRUE(BytesEqual(packet, sim.Receive(73, 100ms)));

    sim.Send("DATE_SET 20 9 3 7 14 5 \r");
    EXPECT_EQ(sim.Receive(4, 300ms), Bytes("OK\r\n"));
}

TEST(SimProtocolTest, EveryPacketOfTheDemoSetCarriesItsMarkers) {
    const auto image = DemoImage();
    int occupied = 0;
    std::set<std::uint32_t> modes;
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        EXPECT_TRUE(record::HasMarkers(PacketOf(image, slot))) << slot;
        if (PacketOf(image, slot)[RecordPacket::kValidMarkOffset] != RecordPacket::kValidMark)
            continue;
        ++occupied;
        modes.insert(record::MeasurementRecord::FromPacket(PacketOf(image, slot)).mode);
    }
    EXPECT_GE(occupied, 20);
    EXPECT_EQ(modes.size(), 10u);
}

TEST(SimProtocolTest, LogKeepsEveryReceivedByteAndUnknownLinesGetNoAnswer) {
    SimProcess sim({"--log", "@log"});
    sim.Connect();
    const std::string sent = std::string("HELLO\r\n\0\xff", 9) + "DAT_REC 100 \rOK\r\n";
    sim.Send(sent);
    EXPECT_EQ(sim.Receive(100, 300ms), Bytes("OK\r\n"));
    EXPECT_EQ(ReadFile(sim.LogPath()), sent);
}

TEST(SimProtocolTest, EraseChangesTheImageFileAtOnce) {
    const auto image = TestImage();
    SimProcess sim({}, &image);
    sim.Connect();

    sim.Send("EREASE_FLASH 12\r\n");
    EXPECT_EQ(sim.Receive(4, 300ms), Bytes("OK\r\n"));
    auto stored = ReadFile(sim.ImagePath());
    ASSERT_EQ(stored.size(), record::kReadOutSize);
    EXPECT_NE(stored[12 * 72 + 67], 'U');
    EXPECT_EQ(stored[0 * 72 + 67], 'U');
    EXPECT_EQ(stored.substr(12 * 72, 67),
              std::string(PacketOf(image, 12).begin(), PacketOf(image, 12).begin() + 67));

    sim.Send("EREASE_FLASH 200\r\n");
    EXPECT_EQ(sim.Receive(4, 300ms), Bytes("OK\r\n"));
    stored = ReadFile(sim.ImagePath());
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot)
        EXPECT_NE(stored[slot * 72 + 67], 'U') << slot;

    // What was erased stays erased for the next read-out.
    sim.Send("DAT_REC 0 \r");
    EXPECT_NE(sim.Receive(72, 300ms).at(RecordPacket::kValidMarkOffset), 'U');
}

TEST(SimProtocolTest, PublishesItsPortAndWithdrawsItOnTermination) {
    SimProcess sim({"--com", "7"});
    ::setenv("TERROVANE_PORTMAP", sim.MapPath().c_str(), 1);
    const auto key = platform::CurrentPortMap().ReadKey(platform::kSerialCommKey);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(*key, (platform::PortMapValues{{"\\Device\\Silabser0", "COM7"}}));
    EXPECT_EQ(platform::CurrentPortMap().DevicePathFor(7), sim.DevicePath());

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(platform::CurrentPortMap().ReadKey(platform::kSerialCommKey)->empty());
    EXPECT_EQ(platform::CurrentPortMap().DevicePathFor(7), "");
    ::unsetenv("TERROVANE_PORTMAP");
}

// A whole read-out through the serial control: 100 requests, answers collected while the thread sleeps,
// judged in one receive event.
TEST(SimProtocolTest, ServesAWholeReadOutThroughTheSerialControl) {
    const auto image = TestImage();
    SimProcess sim({}, &image);
    ::setenv("TERROVANE_PORTMAP", sim.MapPath().c_str(), 1);
    link::CMSComm comm;
    comm.SetCommPort(3);
    comm.SetPortOpen(true);
    ASSERT_TRUE(comm.PortOpen()) << comm.LastError();
    ASSERT_TRUE(comm.SetSettings("115200,n,8,1"));
    comm.SetRThreshold(1);
    comm.Input();

    std::vector<std::uint8_t> received;
    QObject::connect(&comm, &link::CMSComm::OnComm, [&] { received = comm.Input(); });
    for (int slot = 0; slot < 100; ++slot) {
        ASSERT_TRUE(comm.Output("DAT_REC " + std::to_string(slot) + " \r"));
        std::this_thread::sleep_for(2ms);
    }
    // Still busy until the whole answer is collected; then its one event delivers it.
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (comm.InBufferCount() < static_cast<int>(image.size()) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(testing::RunEventsUntil([&] { return !received.empty(); }));
    EXPECT_TRUE(BytesEqual(image, received));
    ::unsetenv("TERROVANE_PORTMAP");
}

TEST(SimProtocolTest, RefusesAnImageOfTheWrongSize) {
    const std::filesystem::path image = testing::ScratchFolder() / "short-image";
    std::ofstream(image, std::ios::binary) << "short";
    const std::string command = std::string(TERROVANE_SIM_PATH) + " --portmap '" +
                                (testing::ScratchFolder() / "unused-map.ini").string() + "' --image '" +
                                image.string() + "' > /dev/null 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 2);
}

}  // namespace
}  // namespace terrovane::sim

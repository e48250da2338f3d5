#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "InstrumentSession.h"
#include "LinkMessages.h"
#include "MessageRecorder.h"
#include "PortDiscovery.h"
#include "PortMapFile.h"
#include "Protocol.h"
#include "PtyInstrument.h"

namespace terrovane::link {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::MessageRecorder;

TEST(CommandLines, AreByteExact) {
    EXPECT_EQ(IndexedCommandLine(CommandNameByCode(0), 0), std::string("DAT_REC 0 \r"));
    EXPECT_EQ(IndexedCommandLine("DAT_REC", 0).size(), 11u);
    EXPECT_EQ(IndexedCommandLine("DAT_REC", 12), std::string("DAT_REC 12 \r"));
    EXPECT_EQ(IndexedCommandLine("DAT_REC", 99).size(), 12u);
    EXPECT_EQ(ClockLine({2009, 3, 7, 14, 5}), std::string("DATE_SET 20 9 3 7 14 5 \r"));
    EXPECT_EQ(ClockLine({2009, 1, 5, 10, 7}), std::string("DATE_SET 20 9 1 5 10 7 \r"));
    EXPECT_EQ(ClockLine({2099, 12, 31, 23, 59}).size(), 28u);  // the longest line, within its buffer
    EXPECT_EQ(EraseLine(0), std::string("EREASE_FLASH 0\r\n"));
    EXPECT_EQ(EraseLine(kEraseAllNumber), std::string("EREASE_FLASH 200\r\n"));
    EXPECT_EQ(kHandshakeLine, std::string_view("OK\r\n"));
}

TEST(CommandLines, ClockOnlyForDatesTheInstrumentCanHold) {
    EXPECT_TRUE(IsClockSettable({2000, 1, 1, 0, 0}));
    EXPECT_TRUE(IsClockSettable({2099, 12, 31, 23, 59}));
    EXPECT_FALSE(IsClockSettable({1999, 12, 31, 23, 59}));
    EXPECT_FALSE(IsClockSettable({2100, 1, 1, 0, 0}));
    EXPECT_FALSE(IsClockSettable({2009, 2, 29, 0, 0}));
    EXPECT_FALSE(IsClockSettable({2009, 3, 7, 24, 0}));
}

TEST(PortNumber, ParsesDigitsAfterComAndReportsMalformedNames) {
    MessageRecorder recorder;
    EXPECT_EQ(ParsePortNumber("COM12"), 12);
    EXPECT_EQ(ParsePortNumber("COM3"), 3);
    EXPECT_EQ(ParsePortNumber("COM7A"), 7);
    EXPECT_THAT(recorder.Texts(), IsEmpty());

    EXPECT_EQ(ParsePortNumber("LPT1"), -1);
    EXPECT_EQ(ParsePortNumber("COMx"), -1);
    EXPECT_EQ(ParsePortNumber("COM"), -1);
    EXPECT_EQ(ParsePortNumber("COM65536"), -1);  // cut to 16 bits it would open COM0
    EXPECT_THAT(recorder.Texts(), ElementsAre("Port message unknown", "port num at regedit error",
                                              "port num at regedit error", "port num at regedit error"));
}

class FindPortNameTest : public ::testing::Test {
  protected:
    std::optional<std::string> Find(const std::string& mapText) {
        file_.Write(mapText);
        return FindPortName(*platform::MakeFilePortMap(file_.Path()));
    }
    testing::PortMapFile file_;
};

TEST_F(FindPortNameTest, PrefersSlabserAndTheFirstKey) {
    EXPECT_EQ(
        Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM4\n\\Device\\Slabser0=COM9\n"),
        "COM9");
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM4\n"), "COM4");
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n\\Device\\Silabser0=COM6\n"), "COM6");
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COM2\n"
                   "[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n\\Device\\Slabser0=COM6\n"),
              "COM2");
}

TEST_F(FindPortNameTest, FailsSilentlyWithoutTheBridge) {
    MessageRecorder recorder;
    // The first key opens but holds no bridge value: the second key is not consulted.
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Serial0=COM1\n"
                   "[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n\\Device\\Slabser0=COM6\n"),
              std::nullopt);
    EXPECT_EQ(Find("[Ports]\nCOM3=/dev/null\n"), std::nullopt);
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COM123456789\n"), std::nullopt);
    EXPECT_EQ(Find("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COM12345678\n"), "COM12345678");
    file_.Remove();
    EXPECT_EQ(FindPortName(*platform::MakeFilePortMap(file_.Path())), std::nullopt);
    EXPECT_THAT(recorder.Texts(), IsEmpty());
}

TEST(CheckPacketsTest, AcceptsOnlyAnImageWithEveryMarker) {
    MessageRecorder recorder;
    record::ReadOutBuffer image = testing::ImageWithSlots({3});
    EXPECT_EQ(CheckPackets(image), 0);
    EXPECT_THAT(recorder.Texts(), IsEmpty());  // the host tells it, through its outcome table

    recorder.Clear();
    record::PacketOf(image, 99)[69] = 'k';
    EXPECT_EQ(CheckPackets(image), -1);
    record::PacketOf(image, 99)[69] = 'K';
    record::PacketOf(image, 0)[0] = 0;
    EXPECT_EQ(CheckPackets(image), -1);
    EXPECT_THAT(recorder.Texts(), IsEmpty());
}

}  // namespace
}  // namespace terrovane::link

// The simulator's realistic line: answers at the line's baud rate in USB-sized chunks, and a busy time
// before each answer.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "DemoImage.h"
#include "LinePacer.h"
#include "SimOptions.h"
#include "SimProcess.h"

namespace terrovane::sim {
namespace {

using namespace std::chrono_literals;
using testing::SimProcess;

TEST(LinePacerTest, AnswersCrossTheLineOneAfterTheOtherInChunksOfAtMost64Bytes) {
    LinePacer line;  // 115200 baud: 10 bits a byte
    EXPECT_EQ(line.ByteTime(), 86805ns);
    const LinePacer::Clock::time_point start{};
    const auto packet = line.Pace(std::vector<std::uint8_t>(72, 'x'), start);
    ASSERT_EQ(packet.size(), 2u);
    EXPECT_EQ(packet[0].bytes.size(), 64u);
    EXPECT_EQ(packet[1].bytes.size(), 8u);
    EXPECT_EQ(packet[0].due, start + line.ByteTime() * 64);
    EXPECT_EQ(packet[1].due, start + line.ByteTime() * 72);  // the rest goes once the line falls idle

    // Ready while the line still carries the first answer: it waits for the line.
    const auto second = line.Pace(std::vector<std::uint8_t>(4, 'y'), start + 1ms);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].due, start + line.ByteTime() * 76);
    // Ready after the line fell idle: it starts when ready.
    const auto third = line.Pace(std::vector<std::uint8_t>(1, 'z'), start + 50ms);
    EXPECT_EQ(third[0].due, start + 50ms + line.ByteTime());
    EXPECT_TRUE(line.Pace({}, start + 60ms).empty());
}

std::optional<SimOptions> Parse(std::vector<std::string> arguments, std::string& error) {
    arguments.insert(arguments.end(), {"--portmap", "map.ini"});
    return ParseSimOptions(arguments, nullptr, error);
}

TEST(SimLineOptionsTest, LinePaceIsASwitchAndBusyTakesOneTimeOrARange) {
    std::string error;
    auto options = Parse({"--line-pace", "--busy", "2:8", "--com", "4"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->linePace);
    EXPECT_EQ(options->busyMinMs, 2);
    EXPECT_EQ(options->busyMaxMs, 8);
    EXPECT_EQ(options->comNumber, 4);
    options = Parse({"--busy", "85", "--line-pace"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->busyMinMs, 85);
    EXPECT_EQ(options->busyMaxMs, 85);
    options = Parse({}, error);
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->linePace);
    EXPECT_EQ(options->busyMaxMs, 0);

    for (const char* bad : {"8:2", "x", "-1", "60001", "2:", ":8", "", "2:8:9", "1.5"}) {
        error.clear();
        EXPECT_FALSE(Parse({"--busy", bad}, error)) << bad;
        EXPECT_EQ(error, std::string("--busy needs MS or MIN:MAX, milliseconds from 0 to 60000 with MIN not "
                                     "above MAX, not \"") +
                             bad + "\"");
    }
    EXPECT_FALSE(Parse({"--line-pace", "on"}, error));
    EXPECT_EQ(error, "unknown option \"on\"");
    EXPECT_FALSE(ParseSimOptions({"--portmap", "map.ini", "--busy"}, nullptr, error));
    EXPECT_EQ(error, "option \"--busy\" needs a value");
}

// A whole read-out's answers cannot cross a 115200-baud line in less than 0.625 s, and arrive intact.
TEST(SimLineTest, PacedLineCarriesTheWholeImageNoFasterThanItsBaudRate) {
    const auto image = DemoImage();
    SimProcess sim({"--line-pace", "--busy", "1:3"}, &image);
    sim.Connect();
    std::string requests;
    for (int slot = 0; slot < 100; ++slot)
        requests += "DAT_REC " + std::to_string(slot) + " \r";
    const auto start = std::chrono::steady_clock::now();
    sim.Send(requests);
    const auto received = sim.Receive(record::kReadOutSize, 2s);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(received.size(), record::kReadOutSize);
    EXPECT_TRUE(std::equal(received.begin(), received.end(), image.begin()));
    EXPECT_GE(elapsed, 625ms + 100ms);  // the line, and at least 1 ms of work before each answer
}

TEST(SimLineTest, BadBusyValueIsRefusedWithItsReason) {
    const std::string command = std::string(TERROVANE_SIM_PATH) + " --portmap unused.ini --busy 9:3 2>&1";
    FILE* output = ::popen(command.c_str(), "r");
    char text[512] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, output);
    EXPECT_EQ(WEXITSTATUS(::pclose(output)), 2);
    EXPECT_NE(std::string(text, length).find("--busy needs MS or MIN:MAX"), std::string::npos);
}

}  // namespace
}  // namespace terrovane::sim

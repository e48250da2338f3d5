// Opening, line settings and sending of the serial control on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <termios.h>

#include <filesystem>
#include <fstream>

#include "CMSComm.h"
#include "LineSettings.h"
#include "PtyPair.h"

namespace terrovane::link {
namespace {

using namespace std::chrono_literals;
using testing::PtyPair;

class CMSCommLineTest : public ::testing::Test {
  protected:
    void Open() {
        comm_.SetCommPort(static_cast<std::int16_t>(pty_.Port()));
        comm_.SetPortOpen(true);
        ASSERT_TRUE(comm_.PortOpen()) << comm_.LastError();
    }

    termios LineAttributes() const {
        termios attributes{};
        ::tcgetattr(pty_.Slave(), &attributes);
        return attributes;
    }

    PtyPair pty_;
    CMSComm comm_;
};

TEST_F(CMSCommLineTest, OutputSendsExactlyTheGivenBytes) {
    Open();
    ASSERT_TRUE(comm_.SetSettings("115200,n,8,1"));
    // Line ends and control bytes must pass untranslated: no CR/LF mapping, nothing added.
    const std::string line("EREASE_FLASH 200\r\n\0\x11\x13\xff\n", 23);
    ASSERT_TRUE(comm_.Output(line));
    const auto received = pty_.Receive(line.size() + 1, 300ms);
    EXPECT_EQ(std::string(received.begin(), received.end()), line);
}

TEST_F(CMSCommLineTest, OutputFailsOnAClosedPort) {
    EXPECT_FALSE(comm_.Output("OK\r\n"));
}

TEST_F(CMSCommLineTest, HangUpIsSeenAndWhatCameBeforeStaysReadable) {
    Open();
    EXPECT_FALSE(comm_.HungUp());
    pty_.Send({'O', 'K', '\r', '\n'});
    ASSERT_TRUE(testing::ProcessEventsUntil([this] { return comm_.InBufferCount() == 4; }, 1000ms));
    pty_.HangUp();
    ASSERT_TRUE(testing::ProcessEventsUntil([this] { return comm_.HungUp(); }, 1000ms));
    EXPECT_EQ(comm_.InBufferCount(), 4);
    EXPECT_EQ(comm_.Input().size(), 4u);
    EXPECT_FALSE(comm_.Output("OK\r\n"));
    comm_.SetPortOpen(false);
    EXPECT_FALSE(comm_.HungUp());  // a closed port has no line to judge
    EXPECT_EQ(comm_.InBufferCount(), 0);
}

// A pseudo-terminal always keeps 8 data bits without parity, so those two are checked on the attributes.
TEST(LineSettingsTest, DataBitsParityAndStopBitsReachTheAttributes) {
    termios attributes{};
    attributes.c_cflag = CRTSCTS | CS8;
    attributes.c_iflag = IXON | ICRNL;
    ApplyLineSettings(*ParseLineSettings("9600,o,7,2"), attributes);
    EXPECT_EQ(attributes.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_EQ(attributes.c_cflag & (PARENB | PARODD | CMSPAR), static_cast<tcflag_t>(PARENB | PARODD));
    EXPECT_TRUE(attributes.c_cflag & CSTOPB);
    EXPECT_FALSE(attributes.c_cflag & CRTSCTS);
    EXPECT_EQ(attributes.c_iflag & (IXON | ICRNL), 0u);
    ApplyLineSettings(*ParseLineSettings("9600,s,5,1"), attributes);
    EXPECT_EQ(attributes.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB),
              static_cast<tcflag_t>(CS5 | PARENB | CMSPAR));
}

TEST_F(CMSCommLineTest, SettingsAreAppliedToTheLineRawWithoutFlowControl) {
    Open();
    ASSERT_TRUE(comm_.SetSettings("9600,n,8,2"));
    termios line = LineAttributes();
    EXPECT_EQ(::cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_TRUE(line.c_cflag & CSTOPB);

    ASSERT_TRUE(comm_.SetSettings("115200,n,8,1"));
    line = LineAttributes();
    EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B115200));
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INLCR), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
}

TEST(LineSettingsTest, AcceptsTheUsualForms) {
    const auto mark = ParseLineSettings("4800,M,5,1");
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(mark->speed, static_cast<speed_t>(B4800));
    EXPECT_EQ(mark->parity, 'm');
    EXPECT_EQ(mark->dataBits, 5);
    for (const char* text : {"115200,n,8,1", " 19200 , o , 6 , 2 ", "921600,s,8,1"})
        EXPECT_TRUE(ParseLineSettings(text).has_value()) << text;
}

TEST(LineSettingsTest, RefusesWhatTheLineCannotDoWithAReason) {
    for (const char* text :
         {"", "115200,n,8", "115200,n,8,1,0", "115201,n,8,1", "abc,n,8,1", "0,n,8,1", "115200,x,8,1",
          "115200,no,8,1", "115200,n,9,1", "115200,n,4,1", "115200,n,8,3"}) {
        std::string reason;
        EXPECT_FALSE(ParseLineSettings(text, &reason).has_value()) << text;
        EXPECT_FALSE(reason.empty()) << text;
    }
    std::string reason;
    EXPECT_FALSE(ParseLineSettings("115200,n,8,1.5", &reason).has_value());
    EXPECT_NE(reason.find("1.5"), std::string::npos) << reason;
}

TEST_F(CMSCommLineTest, RefusedSettingsKeepTheLastGoodOnes) {
    Open();
    ASSERT_TRUE(comm_.SetSettings("115200,n,8,1"));
    EXPECT_FALSE(comm_.SetSettings("115200,n,8,1.5"));
    EXPECT_EQ(comm_.Settings(), "115200,n,8,1");
    EXPECT_NE(comm_.LastError().find("1.5"), std::string::npos);
    const termios line = LineAttributes();
    EXPECT_EQ(::cfgetospeed(&line), static_cast<speed_t>(B115200));
}

// Running as root, permissions cannot refuse an open here; a missing device, a folder and a plain file
// take the same reporting path as "Permission denied" does.
TEST_F(CMSCommLineTest, FailedOpenLeavesThePortClosedAndSaysWhy) {
    const auto expectOpenFails = [&](int port, const std::string& expected) {
        comm_.SetCommPort(static_cast<std::int16_t>(port));
        comm_.SetPortOpen(true);
        EXPECT_FALSE(comm_.PortOpen());
        EXPECT_NE(comm_.LastError().find(expected), std::string::npos) << comm_.LastError();
    };
    expectOpenFails(pty_.Port() + 1, "COM6: no such port");

    pty_.MapPortTo("/nonexistent/ttyUSB0");
    expectOpenFails(pty_.Port(), "COM5 (/nonexistent/ttyUSB0): No such file or directory");

    const std::string folder = std::filesystem::path(pty_.MapPath()).parent_path().string();
    pty_.MapPortTo(folder);
    expectOpenFails(pty_.Port(), "COM5 (" + folder + "): Is a directory");

    pty_.MapPortTo(pty_.MapPath());
    expectOpenFails(pty_.Port(), "not a serial port");

    pty_.MapPortTo(pty_.SlavePath());
    Open();
    EXPECT_EQ(comm_.LastError(), "");
}

}  // namespace
}  // namespace terrovane::link

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LinkFixture.h"

namespace terrovane::link {
namespace {

class PortWatchTest : public testing::LinkFixture {
  protected:
    void OpenThePort() {
        Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));
        ASSERT_TRUE(session_.WatchPort().present);
        EXPECT_EQ(session_.portNumber, testing::kTestPort);
        comm_.SetCommPort(static_cast<std::int16_t>(session_.portNumber));
        comm_.SetPortOpen(true);
        ASSERT_TRUE(comm_.PortOpen());
    }
};

TEST_F(PortWatchTest, ShowsTheIdlePictureUntilARequestLoopHasRun) {
    Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));
    link_.PortWatchTick();
    EXPECT_TRUE(host_.idleVisible);
    EXPECT_EQ(host_.blankCount, 1);

    state_.requestsSent = true;
    link_.PortWatchTick();
    EXPECT_FALSE(host_.idleVisible);
    EXPECT_EQ(host_.blankCount, 1);
}

TEST_F(PortWatchTest, UnpluggedInstrumentClosesThePortAndTheProgressWindow) {
    OpenThePort();
    host_.progressOpen = true;
    host_.idleVisible = true;
    state_.requestsSent = true;
    portMap_.Remove();

    link_.PortWatchTick();

    EXPECT_FALSE(comm_.PortOpen());
    EXPECT_FALSE(host_.progressOpen);
    EXPECT_FALSE(host_.idleVisible);
    EXPECT_FALSE(state_.requestsSent);
    EXPECT_TRUE(recorder_.Texts().empty());
}

TEST_F(PortWatchTest, HoldsBackWhileACommandRuns) {
    link::SessionPacing pacing = testing::FastPacing();
    pacing.handshakeWaitMs = 200;
    session_.SetPacing(pacing);
    Attach([](const std::string&) { return std::string(); });  // switched off: the handshake waits in vain
    ASSERT_TRUE(link_.Read());
    EXPECT_TRUE(session_.Busy());
    EXPECT_TRUE(host_.inputBlocked);
    portMap_.Remove();
    link_.PortWatchTick();
    EXPECT_TRUE(comm_.PortOpen());  // the command's own port, untouched while it waits

    EXPECT_TRUE(testing::RunEventsUntil([this] { return outcome_.has_value(); }));
    EXPECT_FALSE(session_.Busy());
    EXPECT_FALSE(host_.inputBlocked);
    EXPECT_FALSE(comm_.PortOpen());
    EXPECT_THAT(recorder_.Texts(),
                ::testing::ElementsAre("No data received, please check instrument close or not"));
}

TEST_F(PortWatchTest, MalformedPortNameNeverStacksMessages) {
    portMap_.Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COMx\n");
    // A message box runs its own loop, in which the timer keeps ticking: tick again from inside it.
    std::vector<std::string> shown;
    const platform::MessageHandler previous =
        platform::SetMessageHandler([&](const platform::Message& message) {
            shown.push_back(message.text);
            for (int i = 0; i < 3; ++i) {
                link_.PortWatchTick();
            }
            return platform::MessageResult::Ok;
        });
    link_.PortWatchTick();
    EXPECT_THAT(shown, ::testing::ElementsAre("port num at regedit error"));

    link_.PortWatchTick();  // closed and still malformed: shown again, once
    EXPECT_EQ(shown.size(), 2u);
    platform::SetMessageHandler(previous);
    EXPECT_FALSE(host_.idleVisible);
}

}  // namespace
}  // namespace terrovane::link

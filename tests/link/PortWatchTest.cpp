#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DirectoryWatch.h"
#include "EventWait.h"
#include "LinkFixture.h"
#include "PortChoice.h"

namespace terrovane::link {
namespace {

class PortWatchTest : public testing::LinkFixture {
  protected:
    // A tick as the window's timer runs it: from the loop, which then watches the port map for it.
    void TickFromTheLoop() {
        const platform::LoopNoticeScope fromTheLoop;
        link_.PortWatchTick();
    }
    // Ticks until the watch would rest: what a window's timer does until it stops.
    bool TickUntilAtRest() {
        return testing::RunEventsUntil(
            [this] {
                TickFromTheLoop();
                return link_.PortWatchAtRest();
            },
            2000);
    }
    bool NewsArrives() {
        return testing::RunEventsUntil([this] { return !link_.PortWatchAtRest(); }, 2000);
    }

    void OpenThePort() {
        Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));
        ASSERT_TRUE(session_.WatchPort().present);
        EXPECT_EQ(session_.Port().portNumber, testing::kTestPort);
        comm_.SetCommPort(static_cast<std::int16_t>(session_.Port().portNumber));
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

// The watch rests only while a tick would do nothing: the presence it knows stands, and the window shows
// what the tick would make it show. Each change a tick must act on ends the rest.
TEST_F(PortWatchTest, RestsOnlyWhileATickWouldChangeNothing) {
    EXPECT_FALSE(link_.PortWatchAtRest());  // it has never looked
    Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));
    ASSERT_TRUE(TickUntilAtRest());
    EXPECT_TRUE(host_.idleVisible);
    EXPECT_TRUE(host_.displayBlank);

    host_.displayBlank = false;  // the user had a record shown, which no read-out asked for
    EXPECT_FALSE(link_.PortWatchAtRest());
    TickFromTheLoop();
    EXPECT_TRUE(host_.displayBlank);
    EXPECT_TRUE(link_.PortWatchAtRest());

    state_.requestsSent = true;  // now the display is the user's: the picture goes
    EXPECT_FALSE(link_.PortWatchAtRest());
    ASSERT_TRUE(TickUntilAtRest());
    EXPECT_FALSE(host_.idleVisible);

    portMap_.Remove();  // unplugged: the map's news ends the rest
    ASSERT_TRUE(NewsArrives());
    ASSERT_TRUE(TickUntilAtRest());
    EXPECT_FALSE(state_.requestsSent);
    EXPECT_FALSE(host_.idleVisible);

    Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));  // plugged in again
    ASSERT_TRUE(NewsArrives());
    ASSERT_TRUE(TickUntilAtRest());
    EXPECT_TRUE(host_.idleVisible);

    session_.SetPortChoice(PortChoice{"SOME-SERIAL", false});
    EXPECT_FALSE(link_.PortWatchAtRest());
    EXPECT_TRUE(recorder_.Texts().empty());
}

TEST_F(PortWatchTest, NeverRestsWhileItsMessageLastsOrAViewCannotTellItsLooks) {
    Attach(testing::InstrumentResponder(testing::ImageWithSlots({})));
    ASSERT_TRUE(TickUntilAtRest());
    link::SilentView silent;
    const link::CommandHost blind(session_, silent, state_);
    EXPECT_FALSE(blind.PortWatchAtRest());

    // A malformed port name is told again on every tick while it lasts.
    portMap_.Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COMx\n");
    ASSERT_TRUE(NewsArrives());
    for (int tick = 0; tick < 3; ++tick) {
        TickFromTheLoop();
        EXPECT_FALSE(link_.PortWatchAtRest());
    }
    EXPECT_EQ(recorder_.Texts().size(), 3u);
}

// While a command runs its own ticks return at once: the watch rests until the command ends.
TEST_F(PortWatchTest, RestsWhileACommandRuns) {
    Attach([](const std::string&) { return std::string(); });  // switched off: the handshake waits in vain
    ASSERT_TRUE(TickUntilAtRest());
    ASSERT_TRUE(link_.Read());
    EXPECT_TRUE(link_.PortWatchAtRest());
    EXPECT_TRUE(testing::RunEventsUntil([this] { return outcome_.has_value(); }));
    EXPECT_FALSE(session_.Busy());
    ASSERT_TRUE(TickUntilAtRest());
    EXPECT_FALSE(comm_.PortOpen());
}

}  // namespace
}  // namespace terrovane::link

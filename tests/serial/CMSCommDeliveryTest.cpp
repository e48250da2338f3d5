// How received bytes reach the link logic: collected while the user-interface thread is busy, returned in
// one piece, announced by OnComm on that thread only when it is free to handle it.
#include <gtest/gtest.h>

#include <thread>

#include "CMSComm.h"
#include "PtyPair.h"

namespace terrovane::link {
namespace {

using namespace std::chrono_literals;
using testing::AwaitBuffered;
using testing::CountingBytes;
using testing::ProcessEventsFor;
using testing::ProcessEventsUntil;
using testing::PtyPair;

class CMSCommDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        comm_.SetCommPort(static_cast<std::int16_t>(pty_.Port()));
        comm_.SetPortOpen(true);
        ASSERT_TRUE(comm_.PortOpen()) << comm_.LastError();
        ASSERT_TRUE(comm_.SetSettings("115200,n,8,1"));
        comm_.SetRThreshold(1);
        comm_.SetInputMode(1);
        comm_.SetInputLen(0);
        QObject::connect(&comm_, &CMSComm::OnComm, [this] { ++events_; });
    }

    PtyPair pty_;
    CMSComm comm_;
    int events_ = 0;
};

// The read-out sends its 100 requests while the thread sleeps; the whole answer, far more than the
// tty's own buffer holds, must come back in one Input and one event.
TEST_F(CMSCommDeliveryTest, WholeAnswerSentWhileTheThreadSleepsArrivesInOneEvent) {
    const auto answer = CountingBytes(7200);
    std::thread instrument([&] {
        for (std::size_t slot = 0; slot < 100; ++slot) {
            pty_.Send({answer.begin() + slot * 72, answer.begin() + (slot + 1) * 72});
            std::this_thread::sleep_for(2ms);  // a packet at a time, each its own receive
        }
    });
    instrument.join();
    // This thread stays busy, handling no event, until the control has collected the whole answer.
    ASSERT_TRUE(AwaitBuffered(comm_, answer.size()));

    std::vector<std::uint8_t> received;
    QObject::connect(&comm_, &CMSComm::OnComm, [&] {
        EXPECT_EQ(comm_.CommEvent(), CMSComm::kEventReceive);
        received = comm_.Input();
    });
    ProcessEventsFor(200ms);
    EXPECT_EQ(events_, 1);
    EXPECT_EQ(received, answer);
    EXPECT_TRUE(comm_.Input().empty());
}

TEST_F(CMSCommDeliveryTest, LargeBurstIsKeptIntactWithoutAnyReader) {
    const auto burst = CountingBytes(64 * 1024);
    std::thread instrument([&] { pty_.Send(burst); });
    instrument.join();  // returns only once the control has taken everything off the line
    ASSERT_TRUE(AwaitBuffered(comm_, burst.size()));
    EXPECT_EQ(comm_.Input(), burst);
}

TEST_F(CMSCommDeliveryTest, InputLenLimitsOneRead) {
    pty_.Send(CountingBytes(10));
    ASSERT_TRUE(AwaitBuffered(comm_, 10));
    comm_.SetInputLen(4);
    EXPECT_EQ(comm_.Input().size(), 4u);
    comm_.SetInputLen(0);
    EXPECT_EQ(comm_.Input().size(), 6u);
}

TEST_F(CMSCommDeliveryTest, ClosingDiscardsBufferedInputAndPendingEvents) {
    pty_.Send(CountingBytes(100));
    // Collected, with the event queued but not yet delivered (this thread handles no event meanwhile).
    ASSERT_TRUE(AwaitBuffered(comm_, 100));
    comm_.SetPortOpen(false);
    EXPECT_TRUE(comm_.Input().empty());
    comm_.SetPortOpen(true);
    ASSERT_TRUE(comm_.PortOpen()) << comm_.LastError();
    EXPECT_TRUE(comm_.Input().empty());

    // The reopened port still works, and the first event it raises is for the new bytes: the closed
    // port's queued event, had it survived, would come first with nothing to take.
    std::vector<std::vector<std::uint8_t>> taken;
    QObject::connect(&comm_, &CMSComm::OnComm, [&] { taken.push_back(comm_.Input()); });
    pty_.Send({'O', 'K'});
    EXPECT_TRUE(ProcessEventsUntil([&] { return events_ >= 1; }, 20s));
    EXPECT_EQ(taken, (std::vector<std::vector<std::uint8_t>>{{'O', 'K'}}));
}

TEST_F(CMSCommDeliveryTest, NoEventWithoutThresholdOrOnceTheBytesWereTaken) {
    comm_.SetRThreshold(0);
    pty_.Send({1, 2, 3});
    ProcessEventsFor(100ms);
    EXPECT_EQ(events_, 0);

    comm_.SetRThreshold(1);
    pty_.Send({4});
    ASSERT_TRUE(AwaitBuffered(comm_, 4));
    EXPECT_EQ(comm_.Input().size(), 4u);  // taken before the queued event is handled
    ProcessEventsFor(100ms);
    EXPECT_EQ(events_, 0);
}

// Bytes that keep coming while no one has taken them raise one event, not one per arrival.
TEST_F(CMSCommDeliveryTest, OneEventForBytesThatArriveBeforeItIsHandled) {
    for (int i = 0; i < 5; ++i) {
        pty_.Send({static_cast<std::uint8_t>(i)});
    }
    ASSERT_TRUE(AwaitBuffered(comm_, 5));
    EXPECT_TRUE(ProcessEventsUntil([&] { return events_ >= 1; }, 2s));
    ProcessEventsFor(100ms);
    EXPECT_EQ(events_, 1);
    EXPECT_EQ(comm_.Input().size(), 5u);
}

}  // namespace
}  // namespace terrovane::link

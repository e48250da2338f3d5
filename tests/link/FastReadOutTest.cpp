// The fast read-out: each record request goes out once the packets asked for so far have arrived, never
// later than the request pace; the image is judged whole, as the paced read-out judges it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

#include "ByteCompare.h"
#include "LinkFixture.h"
#include "LinkMessages.h"
#include "SimProcess.h"

namespace terrovane::link {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using testing::HandshakeAndRequests;
using testing::ImageWithSlots;

constexpr int kPacket = static_cast<int>(record::RecordPacket::kSize);

class FastReadOutTest : public testing::LinkFixture {
  protected:
    FastReadOutTest() {
        session_.SetFastReadOut(true);
        // The bytes already received when each request went out.
        QObject::connect(&session_, &InstrumentSession::RequestSent, &session_,
                         [this](int) { receivedAtRequest_.push_back(comm_.InBufferCount()); });
    }

    void Pace(int requestPaceMs, int lastPaceMs) {
        SessionPacing pacing = testing::FastPacing();
        pacing.requestPaceMs = requestPaceMs;
        pacing.lastPaceMs = lastPaceMs;
        session_.SetPacing(pacing);
    }

    void StartSim(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--log", "@log"});
        sim_ = std::make_unique<testing::SimProcess>(std::move(arguments), &image_, portMap_.Path());
        ASSERT_TRUE(sim_->Started());
    }

    // The requests that went out before every packet asked for earlier had arrived.
    int RequestsAhead() const {
        int ahead = 0;
        for (std::size_t request = 1; request < receivedAtRequest_.size(); ++request)
            ahead += receivedAtRequest_[request] < static_cast<int>(request) * kPacket ? 1 : 0;
        return ahead;
    }

    record::ReadOutBuffer image_ = ImageWithSlots({0, 57, 99});
    std::unique_ptr<testing::SimProcess> sim_;
    std::vector<int> receivedAtRequest_;
};

// A pace of 300 ms would take 30 s; each request waits only for the packet before it, which a realistic
// line and a busy instrument deliver in under 10 ms.
TEST_F(FastReadOutTest, OnARealisticLineEachRequestFollowsThePreviousPacket) {
    Pace(300, 300);
    StartSim({"--line-pace", "--busy", "1:3"});
    ASSERT_TRUE(Run([this] { return link_.Read(); }, 20000));
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadOk));
    EXPECT_EQ(sim_->Log(), HandshakeAndRequests(100));
    EXPECT_TRUE(testing::BytesEqual(image_, buffer_));
    EXPECT_EQ(table_.OccupiedCount(), 3);
    ASSERT_EQ(receivedAtRequest_.size(), 100u);
    EXPECT_EQ(RequestsAhead(), 0);
    // The progress window still advances once per record.
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(host_.positions, expected);
    ExpectClosedUp();
}

// The in-process instrument answers at once; clock and erase after a fast read-out send what they always
// sent.
TEST_F(FastReadOutTest, ClockAndEraseAreUnchangedAfterAFastReadOut) {
    Pace(300, 300);
    Attach(testing::InstrumentResponder(image_));
    ASSERT_TRUE(Run([this] { return link_.Read(); }, 20000));
    EXPECT_EQ(RequestsAhead(), 0);
    host_.clock = ClockSetting{2009, 3, 7, 14, 5};
    EXPECT_TRUE(SetClock());
    state_.currentIndex = 57;
    EXPECT_TRUE(EraseCurrent());
    EXPECT_EQ(Log(), HandshakeAndRequests(100) + "OK\r\nDATE_SET 20 9 3 7 14 5 \rEREASE_FLASH 57\r\n");
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadOk, kClockOk, kEraseQuestion, kEraseOk));
    ExpectClosedUp();
}

// Packets slower than the pace: the requests go out at the pace as the paced read-out sends them, and the
// image is still accepted once the last packet is in.
TEST_F(FastReadOutTest, PacketsSlowerThanThePaceLeaveThePaceInCharge) {
    Pace(10, 500);
    StartSim({"--fault", "slow:40"});
    EXPECT_TRUE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadOk));
    EXPECT_EQ(sim_->Log(), HandshakeAndRequests(100));
    EXPECT_TRUE(testing::BytesEqual(image_, buffer_));
    EXPECT_GT(RequestsAhead(), 0);
    ExpectClosedUp();
}

TEST_F(FastReadOutTest, ShortOrDamagedImagesAreJudgedAsThePacedReadOutJudgesThem) {
    Pace(2, 500);
    for (const char* fault : {"short", "marker:42", "noise"}) {
        SCOPED_TRACE(fault);
        recorder_.Clear();
        sim_.reset();
        AsIfRead(ImageWithSlots({5}));
        StartSim({"--line-pace", "--fault", fault});
        EXPECT_FALSE(Read());
        if (std::string(fault) == "marker:42") {
            EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError));
        } else if (std::string(fault) == "noise") {
            // The image is judged once as many bytes as it has have come; with random bytes among the packets
            // that count can be met exactly at that moment, and then the markers are what is wrong.
            EXPECT_THAT(recorder_.Texts(), AnyOf(ElementsAre(kReadAgainQuestion, kReadError),
                                                 ElementsAre(kReadAgainQuestion, kReadError, kReadError)));
        } else {
            EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError, kReadError));
        }
        EXPECT_TRUE(table_.IsOccupied(5));
        EXPECT_FALSE(table_.IsOccupied(57));
        ExpectClosedUp();
    }
}

}  // namespace
}  // namespace terrovane::link

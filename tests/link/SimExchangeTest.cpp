#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ByteCompare.h"
#include "LinkFixture.h"
#include "LinkMessages.h"
#include "SimProcess.h"

namespace terrovane::link {
namespace {

using ::testing::ElementsAre;
using testing::HandshakeAndRequests;
using testing::ImageWithSlots;
using ::testing::IsEmpty;

// The link against the simulated instrument, a program of its own on its own pty.
class SimExchangeTest : public testing::LinkFixture {
  protected:
    // The simulator is a process of its own: on a loaded machine its last packets may come well after
    // the last request, so the image is judged later than against the in-process instrument.
    SimExchangeTest() {
        link::SessionPacing pacing = testing::FastPacing();
        pacing.lastPaceMs = 250;
        session_.SetPacing(pacing);
    }

    // Serves image_, logging what it receives.
    void StartSim(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--log", "@log"});
        sim_ = std::make_unique<testing::SimProcess>(std::move(arguments), &image_, portMap_.Path());
        ASSERT_TRUE(sim_->Started());
    }

    record::ReadOutBuffer image_ = ImageWithSlots({0, 57, 99});
    std::unique_ptr<testing::SimProcess> sim_;
};

TEST_F(SimExchangeTest, ReadOutFillsTheTableAsTheImageSays) {
    StartSim({});
    EXPECT_TRUE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadOk));
    EXPECT_EQ(sim_->Log(), HandshakeAndRequests(100));
    EXPECT_TRUE(testing::BytesEqual(image_, buffer_));
    EXPECT_EQ(table_.OccupiedCount(), 3);
    EXPECT_TRUE(table_.IsOccupied(99));
    ExpectClosedUp();
}

TEST_F(SimExchangeTest, ShortOrDamagedImagesKeepThePreviousReadOut) {
    for (const char* fault : {"short", "marker:42"}) {
        SCOPED_TRACE(fault);
        recorder_.Clear();
        sim_.reset();
        AsIfRead(ImageWithSlots({5}));
        StartSim({"--fault", fault});
        EXPECT_FALSE(Read());
        if (std::string(fault) == "short") {
            EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError, kReadError));
        } else {
            EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError));
        }
        EXPECT_TRUE(table_.IsOccupied(5));
        EXPECT_FALSE(table_.IsOccupied(57));
        ExpectClosedUp();
    }
}

TEST_F(SimExchangeTest, SilentOrUnpluggedInstrument) {
    StartSim({"--fault", "silent"});
    EXPECT_FALSE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kNoHandshakeReply));
    ExpectClosedUp();

    recorder_.Clear();
    sim_.reset();
    StartSim({"--fault", "unplug-after:5"});
    EXPECT_FALSE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kLostDuringFirstReadOut));
    EXPECT_EQ(sim_->Log().substr(0, HandshakeAndRequests(5).size()), HandshakeAndRequests(5));
    EXPECT_FALSE(state_.requestsSent);
    ExpectClosedUp();
}

TEST_F(SimExchangeTest, InstrumentUnpluggedDuringEachCommandIsTold) {
    struct Case {
        const char* fault;
        PendingCommand command;
        const char* lost;
    };
    // unplug-after:N answers N record requests; unplug-on-line:N leaves, unanswered, on the Nth line.
    const Case cases[] = {
        {"unplug-after:1", PendingCommand::ReadOut, kLostDuringReadOut},
        {"unplug-after:50", PendingCommand::ReadOut, kLostDuringReadOut},
        {"unplug-after:99", PendingCommand::ReadOut, kLostDuringReadOut},
        {"unplug-on-line:2", PendingCommand::SetClock, kLostDuringClock},
        {"unplug-on-line:1", PendingCommand::EraseOne, kLostDuringErase},
        {"unplug-on-line:1", PendingCommand::EraseAll, kLostDuringErase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fault) + " " + std::to_string(static_cast<int>(c.command)));
        recorder_.Clear();
        sim_.reset();
        host_ = testing::TestHost();
        AsIfRead(ImageWithSlots({5}));
        state_.currentIndex = 5;
        StartSim({"--fault", c.fault});
        std::vector<std::string> expected = {c.lost};
        switch (c.command) {
            case PendingCommand::ReadOut:
                EXPECT_FALSE(Read());
                expected.insert(expected.begin(), kReadAgainQuestion);
                break;
            case PendingCommand::SetClock:
                host_.clock = ClockSetting{2009, 1, 5, 10, 7};
                EXPECT_FALSE(SetClock());
                break;
            case PendingCommand::EraseOne:
            case PendingCommand::EraseAll:
                EXPECT_FALSE(c.command == PendingCommand::EraseAll ? EraseAll() : EraseCurrent());
                expected.insert(expected.begin(), kEraseQuestion);
                break;
        }
        EXPECT_EQ(recorder_.Texts(), expected);
        EXPECT_TRUE(table_.IsOccupied(5));
        EXPECT_FALSE(table_.IsOccupied(57));
        EXPECT_FALSE(host_.rows[5].empty());
        EXPECT_TRUE(state_.dataRead);
        ExpectClosedUp();
    }
}

TEST_F(SimExchangeTest, ClockAndEraseLinesAndReplies) {
    StartSim({});
    host_.clock = ClockSetting{2009, 3, 7, 14, 5};
    EXPECT_TRUE(SetClock());
    AsIfRead(image_);
    state_.currentIndex = 57;
    EXPECT_TRUE(EraseCurrent());
    EXPECT_TRUE(EraseAll());
    EXPECT_EQ(sim_->Log(), "OK\r\nDATE_SET 20 9 3 7 14 5 \rEREASE_FLASH 57\r\nEREASE_FLASH 200\r\n");
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kClockOk, kEraseQuestion, kEraseOk, kEraseQuestion, kEraseOk));
    ExpectClosedUp();
}

TEST_F(SimExchangeTest, FailedClockAndEraseReplies) {
    StartSim({"--fault", "clock-fail", "--fault", "erase-short"});
    AsIfRead(image_);
    host_.clock = ClockSetting{2009, 1, 5, 10, 7};
    EXPECT_FALSE(SetClock());
    EXPECT_FALSE(EraseAll());  // the failed clock reply voided the read-out

    state_.dataRead = true;
    EXPECT_FALSE(EraseAll());
    EXPECT_THAT(recorder_.Texts(),
                ElementsAre(kClockError, kNoDataReadFirst, kEraseQuestion, kEraseError, kReadError));

    recorder_.Clear();
    sim_.reset();
    StartSim({"--fault", "erase-fail"});
    EXPECT_FALSE(EraseAll());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kEraseQuestion, kEraseError));
    EXPECT_FALSE(state_.dataRead);
    ExpectClosedUp();
}

}  // namespace
}  // namespace terrovane::link

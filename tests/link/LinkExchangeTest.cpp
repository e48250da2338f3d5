#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "ByteCompare.h"
#include "LinkFixture.h"
#include "LinkMessages.h"

namespace terrovane::link {
namespace {

using ::testing::ElementsAre;
using testing::HandshakeAndRequests;
using testing::ImageWithSlots;
using ::testing::IsEmpty;

class ReadOutTest : public testing::LinkFixture {};

TEST_F(ReadOutTest, AcceptedImageFillsTableListAndBuffer) {
    const record::ReadOutBuffer image = ImageWithSlots({0, 57});
    Attach(testing::InstrumentResponder(image));

    EXPECT_TRUE(Read());

    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadOk));
    EXPECT_EQ(Log(), HandshakeAndRequests(100));
    EXPECT_TRUE(testing::BytesEqual(image, buffer_));
    EXPECT_EQ(table_.OccupiedCount(), 2);
    EXPECT_TRUE(table_.IsOccupied(57));
    EXPECT_FALSE(host_.rows[57].empty());
    EXPECT_TRUE(host_.rows[56].empty());
    EXPECT_EQ(host_.progressOpenings, 1);
    EXPECT_EQ(host_.positions.size(), 100u);
    EXPECT_EQ(host_.positions.back(), 100);
    EXPECT_FALSE(host_.progressOpen);
    EXPECT_EQ(host_.shownAfterReadOut, 1);
    EXPECT_FALSE(host_.idleVisible);
    EXPECT_FALSE(comm_.PortOpen());
    EXPECT_TRUE(state_.dataRead);
    EXPECT_TRUE(state_.requestsSent);
}

TEST_F(ReadOutTest, ShortImageIsRejectedAndTheEarlierReadOutStays) {
    const record::ReadOutBuffer earlier = ImageWithSlots({5});
    AsIfRead(earlier);
    const auto answerAll = testing::InstrumentResponder(ImageWithSlots({1, 2}));
    Attach([answerAll](const std::string& line) {
        return line == "DAT_REC 99 " ? std::string() : answerAll(line);  // 7128 bytes in all
    });

    EXPECT_FALSE(Read());

    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError, kReadError));
    EXPECT_TRUE(table_.IsOccupied(5));
    EXPECT_FALSE(table_.IsOccupied(1));
    EXPECT_TRUE(testing::BytesEqual(earlier, buffer_));  // Print still hands over what the table shows
    EXPECT_TRUE(host_.rows[5].empty());                  // the read-out cleared the list when it began
    ExpectClosedUp();
}

TEST_F(ReadOutTest, DamagedMarkerRejectsTheWholeImage) {
    AsIfRead(ImageWithSlots({5}));
    record::ReadOutBuffer damaged = ImageWithSlots({1});
    record::PacketOf(damaged, 99)[69] = 'X';
    Attach(testing::InstrumentResponder(damaged));

    EXPECT_FALSE(Read());

    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kReadError));
    EXPECT_FALSE(state_.dataRead);
    EXPECT_TRUE(table_.IsOccupied(5));
    EXPECT_FALSE(comm_.PortOpen());
}

TEST_F(ReadOutTest, FailuresBeforeTheRequestsEndTheCommand) {
    portMap_.Remove();
    EXPECT_FALSE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kDriverError));

    recorder_.Clear();
    Attach([](const std::string&) { return std::string(); });  // switched off
    EXPECT_FALSE(Read());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kNoHandshakeReply));
    EXPECT_EQ(Log(), "OK\r\n");

    recorder_.Clear();
    portMap_.Write(
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COM5\n[Ports]\nCOM5=/nonexistent/tty\n");
    EXPECT_FALSE(Read());
    ASSERT_EQ(recorder_.Texts().size(), 2u);
    EXPECT_EQ(recorder_.Texts()[0].rfind(std::string(kCannotOpenPort) + "\n", 0), 0u);  // with the reason
    EXPECT_EQ(recorder_.Texts()[1], kDriverError);
    EXPECT_FALSE(comm_.PortOpen());
    EXPECT_FALSE(state_.dataRead);
}

TEST_F(ReadOutTest, UnplugDuringTheRequestsIsToldAndTheEarlierResultsStay) {
    // Paced so that the instrument's thread, even on a loaded machine, has left well before the third
    // request after its last one.
    link::SessionPacing pacing = testing::FastPacing();
    pacing.requestPaceMs = 10;
    session_.SetPacing(pacing);
    for (const int lastSlot : {0, 10, 98}) {  // the request after it finds no port
        SCOPED_TRACE(lastSlot);
        recorder_.Clear();
        host_ = testing::TestHost();
        AsIfRead(ImageWithSlots({3, 7}));
        state_.currentIndex = 7;
        const auto answer = testing::InstrumentResponder(ImageWithSlots({1}));
        const std::string unplugAt = "DAT_REC " + std::to_string(lastSlot) + " ";
        // Once unplugged the instrument answers nothing more, so the read-out cannot end well however late
        // a loaded machine notices that the port has gone.
        auto unplugged = std::make_shared<bool>(false);
        Attach([this, answer, unplugAt, unplugged](const std::string& line) {
            if (*unplugged) {
                return std::string();
            }
            if (line == unplugAt) {
                portMap_.Remove();
                *unplugged = true;
            }
            return answer(line);
        });

        EXPECT_FALSE(Read());

        EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kLostDuringReadOut));
        EXPECT_EQ(Log().substr(0, HandshakeAndRequests(lastSlot + 1).size()),
                  HandshakeAndRequests(lastSlot + 1));
        // The rest were not sent, give or take the requests a loaded machine sends before it notices.
        EXPECT_LE(Log().size(), HandshakeAndRequests(std::min(lastSlot + 30, 100)).size());
        ExpectClosedUp();
        // The list the read-out had cleared and the record it had blanked are back; nothing new came in.
        EXPECT_FALSE(host_.rows[3].empty());
        EXPECT_FALSE(host_.rows[7].empty());
        EXPECT_THAT(host_.shownRecords, ElementsAre(7));
        EXPECT_FALSE(host_.idleVisible);
        EXPECT_TRUE(table_.IsOccupied(3));
        EXPECT_FALSE(table_.IsOccupied(1));
        EXPECT_TRUE(state_.dataRead);  // Save, Print and Show still work on the results read before
        EXPECT_FALSE(session_.AwaitingReply());
    }
}

TEST_F(ReadOutTest, UnplugWithoutEarlierResultsLeavesListAndDisplayEmpty) {
    const auto answer = testing::InstrumentResponder(ImageWithSlots({1}));
    Attach([this, answer](const std::string& line) {
        if (line == "DAT_REC 40 ") {
            portMap_.Remove();
        }
        return answer(line);
    });
    EXPECT_FALSE(Read());
    // No earlier results: the message does not claim any are kept.
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kLostDuringFirstReadOut));
    EXPECT_THAT(host_.shownRecords, IsEmpty());
    EXPECT_FALSE(state_.dataRead);
    EXPECT_EQ(table_.OccupiedCount(), 0);
    ExpectClosedUp();
}

TEST_F(ReadOutTest, CancelAtReadAgainKeepsTheRecordsButErasingNeedsANewRead) {
    AsIfRead(ImageWithSlots({5}));
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    EXPECT_FALSE(Read());
    EXPECT_TRUE(table_.IsOccupied(5));
    EXPECT_FALSE(host_.rows[5].empty());

    state_.currentIndex = 5;
    EXPECT_FALSE(EraseCurrent());
    EXPECT_FALSE(EraseAll());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadAgainQuestion, kNoDataReadFirst, kNoDataReadFirst));
}

class ClockTest : public testing::LinkFixture {};

TEST_F(ClockTest, SendsDateAndTimeAndJudgesTheReply) {
    Attach(testing::InstrumentResponder(ImageWithSlots({}), "OK"));
    host_.clock = ClockSetting{2009, 3, 7, 14, 5};
    EXPECT_TRUE(SetClock());
    EXPECT_EQ(Log(), "OK\r\nDATE_SET 20 9 3 7 14 5 \r");
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kClockOk));
    EXPECT_FALSE(comm_.PortOpen());
}

TEST_F(ClockTest, LowerCaseOkIsAFailureThatVoidsTheReadOut) {
    Attach(testing::InstrumentResponder(ImageWithSlots({}), "ok\r\n"));
    AsIfRead(ImageWithSlots({5}));
    host_.clock = ClockSetting{2009, 1, 5, 10, 7};
    EXPECT_FALSE(SetClock());
    EXPECT_FALSE(EraseAll());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kClockError, kNoDataReadFirst));
}

TEST_F(ClockTest, CancelOrAnImpossibleYearSendsNothing) {
    Attach(testing::InstrumentResponder(ImageWithSlots({})));
    EXPECT_FALSE(SetClock());
    EXPECT_TRUE(comm_.PortOpen());  // left open until the next command or the port watch
    host_.clock = ClockSetting{2100, 1, 1, 0, 0};
    EXPECT_FALSE(SetClock());
    EXPECT_EQ(Log(), "OK\r\nOK\r\n");
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kClockOutOfRange));
    EXPECT_FALSE(state_.requestsSent);
}

class EraseTest : public testing::LinkFixture {};

TEST_F(EraseTest, EraseCurrentThenAllClearOnlyTheListTexts) {
    Attach(testing::InstrumentResponder(ImageWithSlots({})));
    AsIfRead(ImageWithSlots({0, 57}));
    state_.currentIndex = 57;
    ASSERT_TRUE(link_.EraseCurrent());
    state_.currentIndex =
        0;  // another row selected before the reply: the erased row is still the one cleared
    EXPECT_TRUE(Run([] { return true; }));
    EXPECT_TRUE(host_.rows[57].empty());
    EXPECT_FALSE(host_.rows[0].empty());

    EXPECT_TRUE(EraseAll());
    EXPECT_TRUE(host_.rows[0].empty());

    EXPECT_EQ(Log(), "EREASE_FLASH 57\r\nEREASE_FLASH 200\r\n");
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kEraseQuestion, kEraseOk, kEraseQuestion, kEraseOk));
    EXPECT_EQ(table_.OccupiedCount(), 2);  // the records stay until the next read-out
    EXPECT_EQ(std::string(buffer_.begin(), buffer_.begin() + 4), "OK\r\n");
    EXPECT_FALSE(comm_.PortOpen());
}

TEST_F(EraseTest, RefusesWithoutARecordOrWhenCancelled) {
    Attach(testing::InstrumentResponder(ImageWithSlots({})));
    AsIfRead(ImageWithSlots({}));
    EXPECT_FALSE(EraseAll());
    AsIfRead(ImageWithSlots({2}));
    state_.currentIndex = 3;
    EXPECT_FALSE(EraseCurrent());
    state_.currentIndex = 2;
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    EXPECT_FALSE(EraseCurrent());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kNoData, kNoData, kEraseQuestion));
    EXPECT_EQ(Log(), "");
}

TEST_F(EraseTest, BadRepliesAreReported) {
    std::string reply = "OK\r";
    Attach([&reply](const std::string&) { return reply; });
    AsIfRead(ImageWithSlots({2}));
    EXPECT_FALSE(EraseAll());
    EXPECT_TRUE(state_.dataRead);  // a wrong length alone does not void the read-out

    reply = "NO\r\n";
    EXPECT_FALSE(EraseAll());
    EXPECT_FALSE(EraseAll());

    EXPECT_THAT(recorder_.Texts(), ElementsAre(kEraseQuestion, kEraseError, kReadError, kEraseQuestion,
                                               kEraseError, kNoDataReadFirst));
    EXPECT_FALSE(host_.rows[2].empty());
}

// Waits for the condition without running the event loop, so no receive event is handled meanwhile.
bool WaitWithoutEvents(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!condition() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

// The instrument goes away after the command line went out and before it answered.
class LostAfterSendingTest : public testing::LinkFixture {
  protected:
    // Answers like an instrument until `line` comes; then leaves, taken off the port map or only hung up.
    void AttachLeavingOn(const std::string& leaveOn, bool staysMapped) {
        const auto answer = testing::InstrumentResponder(ImageWithSlots({}));
        Attach([this, answer, leaveOn, staysMapped](const std::string& line) {
            if (line != leaveOn) {
                return answer(line);
            }
            if (!staysMapped) {
                portMap_.Remove();
            }
            return testing::PtyInstrument::kHangUp;
        });
    }
};

TEST_F(LostAfterSendingTest, ClockAndEraseAreToldWhetherThePortLeavesTheMapOrTheLineHangsUp) {
    struct Case {
        const char* name;
        bool staysMapped;
    };
    for (const Case& c : {Case{"unplugged", false}, Case{"hung up", true}}) {
        SCOPED_TRACE(c.name);
        recorder_.Clear();
        host_ = testing::TestHost();
        AsIfRead(ImageWithSlots({2, 9}));

        AttachLeavingOn("DATE_SET 20 9 1 5 10 7 ", c.staysMapped);
        host_.clock = ClockSetting{2009, 1, 5, 10, 7};
        EXPECT_FALSE(SetClock());
        EXPECT_THAT(recorder_.Texts(), ElementsAre(kLostDuringClock));
        ExpectClosedUp();

        for (const bool all : {false, true}) {
            recorder_.Clear();
            state_.currentIndex = 9;
            AttachLeavingOn(all ? "EREASE_FLASH 200" : "EREASE_FLASH 9", c.staysMapped);
            EXPECT_FALSE(all ? EraseAll() : EraseCurrent());
            EXPECT_THAT(recorder_.Texts(), ElementsAre(kEraseQuestion, kLostDuringErase));
            ExpectClosedUp();
        }
        // An erase that may not have happened leaves the list and the read-out as they were.
        EXPECT_FALSE(host_.rows[9].empty());
        EXPECT_TRUE(state_.dataRead);
        EXPECT_THAT(host_.shownRecords, IsEmpty());
    }
}

TEST_F(LostAfterSendingTest, TheLossIsToldOnceAndEndsTheExchange) {
    AttachLeavingOn("DATE_SET 20 9 1 5 10 7 ", false);
    host_.clock = ClockSetting{2009, 1, 5, 10, 7};
    int ended = 0;
    QObject::connect(&link_, &CommandHost::CommandEnded, [&ended](const Outcome& outcome) {
        EXPECT_EQ(outcome.kind, OutcomeKind::InstrumentLost);
        ++ended;
    });
    ASSERT_TRUE(link_.SetClock());
    ASSERT_TRUE(testing::RunEventsUntil([this, &ended] { return session_.AwaitingReply() || ended > 0; }));
    ASSERT_TRUE(
        WaitWithoutEvents([this] { return !QFile::exists(QString::fromStdString(portMap_.Path())); }));
    link_.PortWatchTick();  // the window's watch leaves the awaited reply to the session
    link_.PortWatchTick();
    testing::RunEventsUntil([&ended] { return ended > 0; });
    link_.PortWatchTick();
    testing::RunEventsUntil([] { return false; }, 50);
    EXPECT_EQ(ended, 1);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kLostDuringClock));
    ExpectClosedUp();
}

TEST_F(LostAfterSendingTest, AnAnswerThatCameBeforeTheInstrumentLeftIsStillJudged) {
    const auto answer = testing::InstrumentResponder(ImageWithSlots({}));
    Attach([this, answer](const std::string& line) {
        if (line.rfind("DATE_SET", 0) == 0) {
            portMap_.Remove();  // answers, then is gone before the answer is taken
        }
        return answer(line);
    });
    // The instrument leaves the map a moment before its answer is on the line: the session's own watch
    // looks only after the answer is there.
    link::SessionPacing pacing = testing::FastPacing();
    pacing.lossWatchMs = 200;
    session_.SetPacing(pacing);
    host_.clock = ClockSetting{2009, 1, 5, 10, 7};
    ASSERT_TRUE(link_.SetClock());
    ASSERT_TRUE(testing::RunEventsUntil([this] { return session_.AwaitingReply() || outcome_.has_value(); }));
    if (!outcome_) {  // else the answer came and was judged within the same pass of the event loop
        ASSERT_TRUE(WaitWithoutEvents([this] { return comm_.InBufferCount() > 0; }));
        link_.PortWatchTick();
        EXPECT_TRUE(comm_.PortOpen());  // the receive event on its way judges the answer and closes up
        testing::RunEventsUntil([this] { return outcome_.has_value(); }, 3000);
    }
    ASSERT_TRUE(outcome_.has_value());
    EXPECT_EQ(outcome_->kind, OutcomeKind::ClockSet);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kClockOk));
    ExpectClosedUp();
}

// Bytes already in hand are judged as the receive event judges the port's: under the pending command,
// with the same messages, and the exchange ends each time.
class ReplyInHandTest : public testing::LinkFixture {
  protected:
    ReplyInHandTest() {
        QObject::connect(&link_, &CommandHost::CommandEnded, &link_, [this](const Outcome& outcome) {
            ended_.push_back(outcome.kind != OutcomeKind::Failed);
        });
    }
    std::vector<bool> ended_;
};

TEST_F(ReplyInHandTest, JudgedUnderThePendingCommand) {
    AsIfRead(ImageWithSlots({2}));
    const record::ReadOutBuffer before = buffer_;
    const record::ReadOutBuffer image = ImageWithSlots({4, 7});
    std::vector<std::uint8_t> reply(image.begin(), image.end() - 1);
    link_.Conclude(JudgeReply(PendingCommand::ReadOut, reply));
    EXPECT_TRUE(buffer_ == before);  // the short image left the earlier read-out as it was
    EXPECT_TRUE(table_.IsOccupied(2));

    reply.push_back(image.back());
    link_.Conclude(JudgeReply(PendingCommand::ReadOut, reply));
    EXPECT_TRUE(buffer_ == image);
    EXPECT_TRUE(table_.IsOccupied(4) && table_.IsOccupied(7) && !table_.IsOccupied(2));

    link_.Conclude(JudgeReply(PendingCommand::EraseAll, {'O', 'K', '\r', '\n'}, kEraseAllNumber));
    EXPECT_TRUE(host_.rows[4].empty());
    link_.Conclude(JudgeReply(PendingCommand::SetClock, {'o', 'k'}));

    EXPECT_THAT(ended_, ElementsAre(false, true, true, false));
    EXPECT_THAT(recorder_.Texts(), ElementsAre(kReadError, kReadError, kReadOk, kEraseOk, kClockError));
    ExpectClosedUp();
}

// Every outcome the session can report has a row in the host's table, and every row says why.
TEST(OutcomeTableTest, EveryOutcomeHasARowWithAReason) {
    const PendingCommand commands[] = {PendingCommand::ReadOut, PendingCommand::SetClock,
                                       PendingCommand::EraseOne, PendingCommand::EraseAll};
    for (const PendingCommand command : commands) {
        for (const std::vector<std::uint8_t>& reply :
             {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'O', 'K', '\r', '\n'},
              std::vector<std::uint8_t>{'N', 'O', '\r', '\n'}}) {
            const Outcome outcome = JudgeReply(command, reply);
            EXPECT_NE(std::string(RowFor(outcome).why), "unknown") << static_cast<int>(command);
        }
        Outcome lost;
        lost.kind = OutcomeKind::InstrumentLost;
        lost.command = command;
        EXPECT_FALSE(OutcomeMessages(lost).empty());
    }
    for (const OutcomeRow& row : OutcomeRows()) {
        EXPECT_FALSE(std::string(row.why).empty());
    }
    // A handshake that failed on the port name says the name's message, then the driver's.
    Outcome malformed;
    malformed.command = PendingCommand::SetClock;
    malformed.stage = FailureStage::Handshake;
    malformed.reason = FailureReason::PortNameMalformed;
    malformed.detail = "Port message unknown";
    EXPECT_THAT(OutcomeMessages(malformed), ElementsAre("Port message unknown", kDriverError));
    malformed.command = PendingCommand::ReadOut;
    EXPECT_EQ(RowFor(malformed).effects.dataRead, DataReadChange::Clear);
}

}  // namespace
}  // namespace terrovane::link

#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CMSComm.h"
#include "CommandHost.h"
#include "EventWait.h"
#include "InstrumentSession.h"
#include "MessageRecorder.h"
#include "PortMapFile.h"
#include "PtyInstrument.h"
#include "TestHost.h"

namespace terrovane::testing {

inline constexpr int kTestPort = 5;

// The waits of a session against an instrument that answers at once: the requests go out every
// millisecond; the handshake and the last pause end once its answer is there, and otherwise after the
// instrument's own 100 ms, the room a loaded machine needs.
inline link::SessionPacing FastPacing() {
    link::SessionPacing pacing;
    pacing.requestPaceMs = 1;
    pacing.lastPaceMs = 100;
    pacing.endWaitsOnArrival = true;
    pacing.lossWatchMs = 2;
    return pacing;
}

// A window's session to an instrument thread on a real pseudo-terminal, published in a port map of its
// own; link_ is the host that runs the window's commands on it.
class LinkFixture : public ::testing::Test {
  protected:
    LinkFixture() {
        QObject::connect(&link_, &link::CommandHost::CommandEnded, &link_,
                         [this](const link::Outcome& outcome) { outcome_ = outcome; });
    }

    void Attach(PtyInstrument::Responder responder) {
        instrument_ = std::make_unique<PtyInstrument>(std::move(responder));
        portMap_.Publish(kTestPort, instrument_->SlavePath());
    }
    // What the instrument received.
    std::string Log() const { return instrument_->Log(); }
    // A table and list as an earlier accepted read-out of `image` left them.
    void AsIfRead(const record::ReadOutBuffer& image) {
        buffer_ = image;
        record::ParseRecords(buffer_, table_);
        host_.FillRecordList(table_);
        state_.dataRead = true;
        state_.requestsSent = true;
    }

    // Runs a command to its end (within `timeoutMs`). True when it ended as the command wanted: the
    // image accepted, the clock set, the slot erased. False when it ended otherwise, or never started.
    bool Run(const std::function<bool()>& start, int timeoutMs = 5000) {
        outcome_.reset();
        if (!start()) {
            return false;
        }
        RunEventsUntil([this] { return outcome_.has_value(); }, timeoutMs);
        return outcome_ &&
               (outcome_->kind == link::OutcomeKind::ReadOutAccepted ||
                outcome_->kind == link::OutcomeKind::ClockSet || outcome_->kind == link::OutcomeKind::Erased);
    }
    bool Read() {
        return Run([this] { return link_.Read(); });
    }
    bool SetClock(int timeoutMs = 5000) {
        return Run([this] { return link_.SetClock(); }, timeoutMs);
    }
    bool EraseCurrent(int timeoutMs = 5000) {
        return Run([this] { return link_.EraseCurrent(); }, timeoutMs);
    }
    bool EraseAll(int timeoutMs = 5000) {
        return Run([this] { return link_.EraseAll(); }, timeoutMs);
    }

    // Every ended exchange leaves the port closed and no progress window open.
    void ExpectClosedUp() {
        EXPECT_FALSE(comm_.PortOpen());
        EXPECT_FALSE(host_.progressOpen);
    }

    PortMapFile portMap_;
    record::ReadOutState state_;
    record::ReadOutBuffer& buffer_ = state_.buffer;
    record::RecordTable& table_ = state_.table;
    TestHost host_;
    link::InstrumentSession session_{FastPacing()};
    link::CMSComm& comm_ = session_.Comm();
    link::CommandHost link_{session_, host_, state_};
    std::optional<link::Outcome> outcome_;
    MessageRecorder recorder_;
    std::unique_ptr<PtyInstrument> instrument_;
};

// "OK\r\n" and the record requests for slots 0 .. count-1, as the instrument must receive them.
inline std::string HandshakeAndRequests(int count) {
    std::string expected = "OK\r\n";
    for (int slot = 0; slot < count; ++slot) {
        expected += "DAT_REC " + std::to_string(slot) + " \r";
    }
    return expected;
}

}  // namespace terrovane::testing

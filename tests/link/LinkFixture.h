#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CMSComm.h"
#include "InstrumentLink.h"
#include "MessageRecorder.h"
#include "PortMapFile.h"
#include "PtyInstrument.h"
#include "TestHost.h"

namespace terrovane::testing {

inline constexpr int kTestPort = 5;

// A window's link to an instrument thread on a real pseudo-terminal, published in a port map of its own.
class LinkFixture : public ::testing::Test {
  protected:
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
    link::CMSComm comm_;
    link::InstrumentLink link_{comm_, host_, state_};
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

#pragma once

#include "InstrumentLink.h"
#include "LinkHost.h"
#include "ReadOutState.h"

namespace terrovane::link {

// How long a caller without a window waits for the instrument's reply once a command has returned. The
// answers are all in the serial control's buffer by then; this only bounds a silent instrument.
inline constexpr int kReplyTimeoutMs = 5000;
// How often such a caller looks whether the instrument is still there, as the window's port watch does.
inline constexpr int kReplyWatchIntervalMs = 5;

// Runs the event loop until the link's exchange has ended (its reply judged by OnComm, or the instrument
// gone before it answered). A reply that has not come after `timeoutMs` is judged like an empty one, with
// that command's messages. True when the
// reply was accepted. Needs a QCoreApplication.
bool AwaitExchange(InstrumentLink& link, int timeoutMs = kReplyTimeoutMs);

// Reads the instrument's 100 slots through the link code: handshake, requests, the receive event. On
// acceptance the state's buffer holds the image and its table the records; otherwise both keep what they
// had. Messages go through platform::Alert. Without a host, nothing is shown but the messages. `portName`,
// when given, receives the port the image came from.
bool ReadInstrument(record::ReadOutState& state, LinkHost* host = nullptr, int timeoutMs = kReplyTimeoutMs,
                    std::string* portName = nullptr);

// A host with no window: the record list, display and progress are nowhere to be seen.
class SilentHost : public LinkHost {
  public:
    void BlankDisplay() override {}
    void SetIdlePictureVisible(bool) override {}
    void ClearAllListTexts() override {}
    void ClearListRow(std::size_t) override {}
    void FillRecordList(const record::RecordTable&) override {}
    void OpenProgress() override { progressOpen_ = true; }
    void SetProgressPosition(int) override {}
    void CloseProgress() override { progressOpen_ = false; }
    bool IsProgressOpen() const override { return progressOpen_; }
    void ShowSelectedAfterReadOut() override {}
    void ShowRecord(std::size_t) override {}
    std::optional<ClockSetting> AskClock() override { return std::nullopt; }

  private:
    bool progressOpen_ = false;
};

}  // namespace terrovane::link

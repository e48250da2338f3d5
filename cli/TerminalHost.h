#pragma once

#include <functional>
#include <optional>
#include <string>

#include "CommandHost.h"
#include "LinkView.h"
#include "PortChoice.h"
#include "Protocol.h"
#include "ReadOutState.h"
#include "SessionPacing.h"

namespace terrovane::cli {

// How long a command waits for the instrument's reply once its lines went out; this only bounds a silent
// instrument (the answers are all there by then).
inline constexpr int kReplyTimeoutMs = 5000;

// The link's window on a terminal: no display and no list, like any windowless caller; the progress as one
// line on standard error when that is a terminal; the clock given on the command line.
class TerminalHost : public link::SilentView {
  public:
    void OpenProgress() override;
    void SetProgressPosition(int position) override;
    void CloseProgress() override;
    std::optional<link::ClockSetting> AskClock() override { return clock; }
    void ImageAccepted(const record::ReadOutBuffer& image, const std::string& port) override {
        if (imageAccepted) {
            imageAccepted(image, port);
        }
    }
    // The accept step of the command that runs (see KeepOnAcceptance).
    std::function<void(const record::ReadOutBuffer&, const std::string&)> imageAccepted;

    std::optional<link::ClockSetting> clock;
    // The port --port named; no choice without it.
    link::PortChoice port;

  private:
    bool drawn_ = false;
};

// The instrument's pacing with the reply bounded by kReplyTimeoutMs. TERROVANE_LINK_PACING="H,R" (the
// handshake's wait and the request pace in milliseconds) shortens the waits for a simulated instrument;
// "H,R,early" also ends the handshake's wait and the last pause as soon as what they wait for has come.
link::SessionPacing TerminalPacing();

// Runs one command of `commands` (started by `start`) until it has ended. The outcome, or nothing when the
// command ended before it reached the instrument (a refusal or a question answered Cancel).
std::optional<link::Outcome> RunToEnd(link::CommandHost& commands, const std::function<bool()>& start);

// Reads the instrument's 100 slots. On acceptance the state's buffer holds the image and its table the
// records, and `port` (when given) names the port it came from; otherwise both keep what they had. `fast`
// sends each request as soon as the packets asked for so far have arrived.
bool ReadInstrument(record::ReadOutState& state, TerminalHost& host, std::string* port = nullptr,
                    bool fast = false);

// Messages on standard error; questions answered OK with `assumeYes`, else asked on the terminal, else
// (no terminal to ask) answered Cancel.
void InstallTerminalMessages(bool assumeYes);

}  // namespace terrovane::cli

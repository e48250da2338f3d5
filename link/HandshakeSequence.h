#pragma once

#include <functional>

#include "CommandRun.h"

namespace terrovane::link {

// The handshake that opens the read-out and the clock, and the handshake command alone: the port is
// found and opened, the handshake line goes out, and any byte within the wait says the instrument is
// there. Holds nothing but the run: one is made for each command, and its waiting step carries a copy.
class HandshakeSequence {
  public:
    explicit HandshakeSequence(CommandRun& run) : run_(run) {}

    // Handshakes, then `then`; a failure ends the command instead.
    void Run(std::function<void()> then);
    // The handshake alone: HandshakeAnswered or a failure; the port is closed afterwards.
    void RunAlone();

  private:
    void EndWait(const std::function<void()>& then);

    CommandRun& run_;
};

}  // namespace terrovane::link

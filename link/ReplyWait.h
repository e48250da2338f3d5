#pragma once

#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

#include "Outcome.h"
#include "PendingCommand.h"
#include "SessionPacing.h"
#include "SessionPort.h"

namespace terrovane::link {

// The wait for a command's reply once its last line has gone out: the reply comes with a receive event
// (or was already waiting), the instrument may go away first, and a reply timeout may end the wait. Each
// way ends in one outcome, handed to the session's ending.
class ReplyWait {
  public:
    using Ending = std::function<void(Outcome)>;

    ReplyWait(SessionPort& port, Ending end);

    // Awaits the reply to `command` (an erase of `erasedSlot`).
    void Start(PendingCommand command, int erasedSlot, const SessionPacing& pacing);
    void Stop();
    bool Awaiting() const { return awaiting_; }
    // A serial event came while no command sequence was pacing.
    void OnCommEvent();

  private:
    void JudgeWaiting();
    void WatchForLoss();
    void OnTimeout();
    Outcome Judge(const std::vector<std::uint8_t>& reply) const;

    SessionPort& port_;
    Ending end_;
    QTimer lossWatch_;
    QTimer timeout_;
    PendingCommand command_ = PendingCommand::ReadOut;
    int erasedSlot_ = 0;
    bool awaiting_ = false;
};

}  // namespace terrovane::link

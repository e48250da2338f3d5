#include "ClockExchange.h"

#include "HandshakeSequence.h"
#include "ReplyJudging.h"

namespace terrovane::link {

void ClockExchange::Start(Question ask) {
    if (run_.Busy()) {
        return;
    }
    run_.Begin(PendingCommand::SetClock, true);
    HandshakeSequence(run_).Run([exchange = *this, ask = std::move(ask)]() mutable {
        if (exchange.run_.Port().Open() != 0) {
            exchange.run_.Fail(FailureStage::Open, FailureReason::CannotOpen,
                               exchange.run_.Port().OpenError());
            return;
        }
        exchange.Ask(ask);
    });
}

// The user chooses while the port stays open; the port watch may close it meanwhile, and then the line
// cannot go out.
void ClockExchange::Ask(const Question& ask) {
    run_.SetBusy(false);
    const std::optional<ClockSetting> clock = ask();
    if (!clock) {
        run_.Fail(FailureStage::Open, FailureReason::Cancelled);
        return;
    }
    if (!IsClockSettable(*clock)) {
        run_.Fail(FailureStage::Open, FailureReason::DateOutOfRange);
        return;
    }
    SessionPort& port = run_.Port();
    port.commandText = ClockLine(*clock);
    if (!port.Comm().Output(port.commandText)) {
        run_.Finish(LostOutcome(PendingCommand::SetClock));
        return;
    }
    run_.AwaitReply(PendingCommand::SetClock);
}

}  // namespace terrovane::link

#include "EraseExchange.h"

#include "Protocol.h"
#include "ReplyJudging.h"

namespace terrovane::link {

void EraseExchange::Start(int slot, const Confirmation& confirm) {
    if (run_.Busy()) {
        return;
    }
    const PendingCommand command =
        slot == kEraseAllNumber ? PendingCommand::EraseAll : PendingCommand::EraseOne;
    run_.Begin(command, false);
    SessionPort& port = run_.Port();
    if (port.Discover() != 0) {
        FailDiscovery(run_, FailureStage::Open);
        return;
    }
    if (port.Open() != 0) {
        run_.Fail(FailureStage::Open, FailureReason::CannotOpen, port.OpenError());
        return;
    }
    if (!confirm()) {
        run_.Fail(FailureStage::Open, FailureReason::Cancelled);
        return;
    }
    port.commandText = EraseLine(slot);
    if (!port.Comm().Output(port.commandText)) {
        run_.Finish(LostOutcome(command));  // gone while the user was asked, or the line failed
        return;
    }
    // The row to clear is the one erased, whatever is selected when the reply comes.
    run_.AwaitReply(command, slot);
}

}  // namespace terrovane::link

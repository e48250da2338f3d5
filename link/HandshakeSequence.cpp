#include "HandshakeSequence.h"

#include "Protocol.h"
#include "ReplyJudging.h"

namespace terrovane::link {

void HandshakeSequence::Run(std::function<void()> then) {
    SessionPort& port = run_.Port();
    if (port.Discover() != 0) {
        FailDiscovery(run_, FailureStage::Handshake);
        return;
    }
    if (port.Open() != 0) {
        run_.Fail(FailureStage::Handshake, FailureReason::CannotOpen, port.OpenError());
        return;
    }
    port.commandText = kHandshakeLine;
    if (!port.Comm().Output(port.commandText)) {
        // Not sent is not unanswered: gone since the port opened, as for every other command.
        run_.Finish(LostOutcome(run_.Running()));
        return;
    }
    // The instrument answers the handshake line with the same four bytes.
    const SessionPacing& pacing = run_.Pacing();
    run_.Steps().AwaitBytes(pacing.endWaitsOnArrival ? static_cast<int>(kHandshakeLine.size()) : 0);
    run_.Steps().After(pacing.handshakeWaitMs,
                       [sequence = *this, then = std::move(then)]() mutable { sequence.EndWait(then); });
}

void HandshakeSequence::RunAlone() {
    if (run_.Busy()) {
        return;
    }
    run_.Begin(PendingCommand::ReadOut, true);
    Run([run = &run_] {
        Outcome outcome;
        outcome.kind = OutcomeKind::HandshakeAnswered;
        outcome.port = run->Port().portName;
        run->Finish(std::move(outcome));
    });
}

void HandshakeSequence::EndWait(const std::function<void()>& then) {
    run_.Steps().AwaitBytes(0);
    if (run_.Port().Comm().Input().empty()) {
        run_.Fail(FailureStage::Handshake, FailureReason::NoHandshakeReply);
        return;
    }
    then();  // any byte will do: the instrument is there
}

}  // namespace terrovane::link

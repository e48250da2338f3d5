#include "ReadOutRequests.h"

#include "HandshakeSequence.h"
#include "Protocol.h"
#include "ReplyJudging.h"

namespace terrovane::link {

ReadOutRequests::ReadOutRequests(CommandRun& run, QObject* parent) : QObject(parent), run_(run) {}

void ReadOutRequests::Start() {
    if (run_.Busy()) {
        return;
    }
    run_.Begin(PendingCommand::ReadOut, true);
    HandshakeSequence(run_).Run([this] {
        if (run_.Port().Open() != 0) {
            run_.Fail(FailureStage::Open, FailureReason::CannotOpen, run_.Port().OpenError());
            return;
        }
        StartRequests();
    });
}

void ReadOutRequests::StartRequests() {
    emit RequestsStarting();
    SendRequest(0);
}

void ReadOutRequests::SendRequest(int slot) {
    if (slot == static_cast<int>(record::kSlotCount)) {
        run_.SetBusy(false);
        emit RequestsDone();
        run_.AwaitReply(PendingCommand::ReadOut);
        return;
    }
    if (run_.Port().SendIndexedCommand(CommandNameByCode(0), slot) < 0) {
        run_.Finish(LostOutcome(PendingCommand::ReadOut));
        return;
    }
    emit RequestSent(slot + 1);
    PaceNextRequest(slot);
}

// The pace is the longest wait; a fast read-out cuts it short once the packet asked for has arrived, which
// never overtakes an instrument still answering: it waits for every byte asked for so far.
void ReadOutRequests::PaceNextRequest(int slot) {
    const SessionPacing& pacing = run_.Pacing();
    const bool last = slot + 1 == static_cast<int>(record::kSlotCount);
    const bool cutShort = fast_ || (last && pacing.endWaitsOnArrival);
    PacedSteps& steps = run_.Steps();
    steps.AwaitBytes(cutShort ? (slot + 1) * static_cast<int>(record::RecordPacket::kSize) : 0);
    steps.After(last ? pacing.LastPace() : pacing.requestPaceMs, [this, slot] {
        run_.Steps().AwaitBytes(0);
        SendRequest(slot + 1);
    });
    steps.StepEarlyWhenArrived();
}

}  // namespace terrovane::link

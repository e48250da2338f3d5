#include "ReplyWait.h"

#include "ReplyJudging.h"

namespace terrovane::link {

ReplyWait::ReplyWait(SessionPort& port, Ending end) : port_(port), end_(std::move(end)) {
    lossWatch_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&lossWatch_, &QTimer::timeout, &lossWatch_, [this] { WatchForLoss(); });
    timeout_.setSingleShot(true);
    QObject::connect(&timeout_, &QTimer::timeout, &timeout_, [this] { OnTimeout(); });
}

// The command has ended: bytes already waiting are its reply; otherwise the next receive event brings it.
void ReplyWait::Start(PendingCommand command, int erasedSlot, const SessionPacing& pacing) {
    command_ = command;
    erasedSlot_ = erasedSlot;
    awaiting_ = true;
    lossWatch_.start(pacing.lossWatchMs);
    if (pacing.replyTimeoutMs > 0) {
        timeout_.start(pacing.replyTimeoutMs);
    }
    // Judged from the event loop, as a receive event would be: never inside the command that sent.
    QMetaObject::invokeMethod(
        &lossWatch_,
        [this] {
            if (awaiting_ && port_.Comm().InBufferCount() > 0) {
                JudgeWaiting();
            }
        },
        Qt::QueuedConnection);
}

void ReplyWait::Stop() {
    awaiting_ = false;
    lossWatch_.stop();
    timeout_.stop();
}

void ReplyWait::OnCommEvent() {
    if (!awaiting_) {
        return;
    }
    if (port_.Comm().CommEvent() != CMSComm::kEventReceive) {
        end_(FailureOutcome(command_, FailureStage::Reply, FailureReason::NotAReceiveEvent));
        return;
    }
    JudgeWaiting();
}

// A read-out whose answer stopped short because the instrument went away in the middle is told as lost,
// however quickly the requests went out before its port left.
void ReplyWait::JudgeWaiting() {
    const std::vector<std::uint8_t> reply = port_.Comm().Input();
    if (command_ == PendingCommand::ReadOut && reply.size() < record::kReadOutSize &&
        port_.InstrumentGone()) {
        end_(LostOutcome(PendingCommand::ReadOut));
        return;
    }
    end_(Judge(reply));
}

// An instrument that went away before it answered. Bytes already waiting are its answer, sent before it
// went: they are judged instead.
void ReplyWait::WatchForLoss() {
    if (!awaiting_ || port_.Comm().InBufferCount() > 0) {
        return;
    }
    if (port_.InstrumentGone()) {
        end_(LostOutcome(command_));
    }
}

void ReplyWait::OnTimeout() {
    if (awaiting_) {
        end_(Judge(port_.Comm().Input()));
    }
}

Outcome ReplyWait::Judge(const std::vector<std::uint8_t>& reply) const {
    Outcome outcome = JudgeReply(command_, reply, erasedSlot_);
    outcome.port = port_.portName;
    return outcome;
}

}  // namespace terrovane::link

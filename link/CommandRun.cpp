#include "CommandRun.h"

#include "ReplyJudging.h"

namespace terrovane::link {

CommandRun::CommandRun(SessionPacing pacing, QObject* parent)
    : QObject(parent),
      pacing_(pacing),
      steps_(port_.Comm()),
      reply_(port_, [this](Outcome outcome) { Finish(std::move(outcome)); }) {
    connect(&port_.Comm(), &CMSComm::OnComm, this, &CommandRun::OnComm);
}

void CommandRun::SetBusy(bool busy) {
    if (busy_ != busy) {
        busy_ = busy;
        emit BusyChanged(busy);
    }
}

// A new command abandons an exchange whose reply never came, as reopening the port always did.
void CommandRun::Begin(PendingCommand command, bool paced) {
    steps_.Cancel();
    ClosePort();
    running_ = command;
    SetBusy(paced);
    port_.commSettings = kCommSettings;
}

void CommandRun::ClosePort() {
    reply_.Stop();
    port_.Close();
}

void CommandRun::ClosePortIfIdle() {
    if (!reply_.Awaiting() && !busy_) {
        ClosePort();
    }
}

void CommandRun::AwaitReply(PendingCommand command, int erasedSlot) {
    reply_.Start(command, erasedSlot, pacing_);
}

// Bytes of a command still pacing stay in the buffer until its last pause has ended.
void CommandRun::OnComm() {
    if (busy_) {
        steps_.StepEarlyWhenArrived();
        return;
    }
    reply_.OnCommEvent();
}

void CommandRun::FailDiscovery(FailureStage stage) {
    if (port_.DiscoveryProblem().empty()) {
        Fail(stage, FailureReason::PortNotFound);
    } else {
        Fail(stage, FailureReason::PortNameMalformed, port_.DiscoveryProblem());
    }
}

// A declined question leaves the port open, as it always has, until the next command or the port watch
// closes it.
void CommandRun::Fail(FailureStage stage, FailureReason reason, std::string detail) {
    Outcome outcome = FailureOutcome(running_, stage, reason, std::move(detail));
    if (reason == FailureReason::Cancelled || reason == FailureReason::DateOutOfRange) {
        SetBusy(false);
        emit Finished(outcome);
        return;
    }
    Finish(std::move(outcome));
}

void CommandRun::Lose(PendingCommand during) {
    Finish(LostOutcome(during));
}

void CommandRun::Finish(Outcome outcome) {
    steps_.Cancel();
    ClosePort();
    SetBusy(false);
    emit Finished(outcome);
}

}  // namespace terrovane::link

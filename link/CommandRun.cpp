#include "CommandRun.h"

#include "ReplyJudging.h"

namespace terrovane::link {

CommandRun::CommandRun(SessionPacing pacing, QObject* parent)
    : QObject(parent),
      pacing_(pacing),
      steps_(port_.Comm()),
      reply_(port_, [this](Outcome outcome) { Finish(std::move(outcome)); }) {
    // Bytes of a command still pacing stay in the buffer until its last pause has ended.
    connect(&port_.Comm(), &CMSComm::OnComm, this, [this] {
        if (busy_) {
            steps_.StepEarlyWhenArrived();
            return;
        }
        reply_.OnCommEvent();
    });
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

void CommandRun::Finish(Outcome outcome) {
    steps_.Cancel();
    ClosePort();
    SetBusy(false);
    emit Finished(outcome);
}

void FailDiscovery(CommandRun& run, FailureStage stage) {
    const std::string& problem = run.Port().DiscoveryProblem();
    if (problem.empty()) {
        run.Fail(stage, FailureReason::PortNotFound);
    } else {
        run.Fail(stage, FailureReason::PortNameMalformed, problem);
    }
}

}  // namespace terrovane::link

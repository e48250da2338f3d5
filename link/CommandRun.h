#pragma once

#include <QObject>

#include <string>

#include "Outcome.h"
#include "PacedSteps.h"
#include "PendingCommand.h"
#include "ReplyWait.h"
#include "SessionPacing.h"
#include "SessionPort.h"

namespace terrovane::link {

// What the command sequences of a session share: the port, the paced steps, the wait for the reply, the
// command under way, and how a command ends. Every command ends here, with exactly one Finished.
class CommandRun : public QObject {
    Q_OBJECT

  public:
    explicit CommandRun(SessionPacing pacing, QObject* parent = nullptr);

    SessionPort& Port() { return port_; }
    const SessionPort& Port() const { return port_; }
    PacedSteps& Steps() { return steps_; }
    void SetPacing(const SessionPacing& pacing) { pacing_ = pacing; }
    const SessionPacing& Pacing() const { return pacing_; }

    bool Busy() const { return busy_; }
    void SetBusy(bool busy);
    bool AwaitingReply() const { return reply_.Awaiting(); }
    PendingCommand Running() const { return running_; }

    // Starts `command`; `paced` commands keep the session busy until their sequence has ended.
    void Begin(PendingCommand command, bool paced);
    // The reply wait ends with the port.
    void ClosePort();
    void ClosePortIfIdle();
    void AwaitReply(PendingCommand command, int erasedSlot = 0);

    void Fail(FailureStage stage, FailureReason reason, std::string detail = {});
    void Finish(Outcome outcome);

  signals:
    void BusyChanged(bool busy);
    void Finished(const terrovane::link::Outcome& outcome);

  private:
    SessionPort port_;
    SessionPacing pacing_;
    PacedSteps steps_;
    ReplyWait reply_;
    PendingCommand running_ = PendingCommand::ReadOut;
    bool busy_ = false;
};

// Fails the running command at `stage` for the reason discovery found no usable port.
void FailDiscovery(CommandRun& run, FailureStage stage);

}  // namespace terrovane::link

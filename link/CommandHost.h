#pragma once

#include <QObject>

#include <string>

#include "InstrumentSession.h"
#include "LinkView.h"
#include "OutcomeTable.h"
#include "ReadOutState.h"

namespace terrovane::link {

// The host of an instrument session: it starts the user's commands (after the questions that belong to
// the window, such as "read again?"), follows the session's progress in its view, and turns every
// outcome into the messages and state changes of OutcomeTable. Messages go through platform::Alert and
// platform::Ask. The main dialog and the command line each run one, with views of their own.
class CommandHost : public QObject {
    Q_OBJECT

  public:
    // The session, view and read-out state are the caller's and outlive the host.
    CommandHost(InstrumentSession& session, LinkView& view, record::ReadOutState& state,
                QObject* parent = nullptr);

    // The commands. Each either ends at once (after its message, if any: false) or has started a sequence
    // that ends with CommandEnded (true).
    bool Read();
    bool SetClock();
    bool EraseCurrent();
    bool EraseAll();

    // One tick of the port watch: follows the instrument's presence. Holds back while a command runs, and
    // never stacks its own messages: a tick that comes while a message of an earlier tick is open returns.
    void PortWatchTick();
    // True while a tick would neither ask the port map nor change anything: a command runs (its end is
    // news), or the instrument's presence is known and unchanged and the window already shows what the
    // tick would make it show. The window's timer rests meanwhile.
    bool PortWatchAtRest() const;

    // Tells and applies `outcome` as the end of a command, then emits CommandEnded. The session's
    // Finished comes here; callers that judged a reply themselves may hand its outcome in too.
    void Conclude(const Outcome& reported);

    // A command was started and has not ended yet.
    bool Running() const { return running_; }
    InstrumentSession& Session() { return session_; }

  signals:
    // The session reported `outcome`; its messages were shown and its changes made.
    void CommandEnded(const terrovane::link::Outcome& outcome);

  private:
    void FailRead();
    // Asks before erasing, naming `whatGoes`, then sends the erase line.
    bool StartErase(int slot, const std::string& whatGoes);
    void OnRequestsStarting();
    void OnRequestsDone();
    void Apply(const Outcome& outcome, const OutcomeEffects& effects);
    void ApplyList(const Outcome& outcome, ListChange change);
    void CloseProgressIfOpen();
    // The tick would leave everything as it is, for a presence it already knows.
    bool SettledFor(const PortPresence& presence) const;

    InstrumentSession& session_;
    LinkView& view_;
    record::ReadOutState& state_;
    bool running_ = false;
    bool watchTickRunning_ = false;
};

}  // namespace terrovane::link

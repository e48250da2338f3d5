#include "InstrumentSession.h"

#include "HandshakeSequence.h"

namespace terrovane::link {

// The parts' signals are the session's own: callers connect to the session alone.
InstrumentSession::InstrumentSession(SessionPacing pacing, QObject* parent)
    : QObject(parent), run_(pacing), readOut_(run_) {
    qRegisterMetaType<Outcome>();
    connect(&run_, &CommandRun::BusyChanged, this, &InstrumentSession::BusyChanged);
    connect(&run_, &CommandRun::Finished, this, &InstrumentSession::Finished);
    connect(&readOut_, &ReadOutRequests::RequestsStarting, this, &InstrumentSession::RequestsStarting);
    connect(&readOut_, &ReadOutRequests::RequestSent, this, &InstrumentSession::RequestSent);
    connect(&readOut_, &ReadOutRequests::RequestsDone, this, &InstrumentSession::RequestsDone);
}

void InstrumentSession::Handshake() {
    HandshakeSequence(run_).RunAlone();
}

}  // namespace terrovane::link

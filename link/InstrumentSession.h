#pragma once

#include <QObject>

#include <optional>

#include "ClockExchange.h"
#include "CommandRun.h"
#include "EraseExchange.h"
#include "Outcome.h"
#include "PortChoice.h"
#include "ReadOutRequests.h"
#include "ReplyJudging.h"
#include "SessionPacing.h"
#include "SessionPort.h"

namespace terrovane::link {

// The instrument link as one object: port discovery and opening, the handshake, and each command as a
// paced sequence of timers and serial events. A command opens the port, sends its line or lines with the
// protocol's pauses in between and, once its last pause has ended, judges the reply the serial control
// collected; then it closes the port and reports one Outcome. It shows no message, asks nothing itself
// (the host's callbacks do) and keeps no state of the window's. The commands are parts of their own; the
// session composes them over one CommandRun and keeps the face its callers use.
class InstrumentSession : public QObject {
    Q_OBJECT

  public:
    using ClockQuestion = ClockExchange::Question;
    using Confirmation = EraseExchange::Confirmation;

    explicit InstrumentSession(SessionPacing pacing = {}, QObject* parent = nullptr);

    void SetPacing(const SessionPacing& pacing) { run_.SetPacing(pacing); }
    const SessionPacing& Pacing() const { return run_.Pacing(); }
    // Which bridge port discovery takes when several are attached; the next tick of the port watch sees it.
    void SetPortChoice(PortChoice choice) { run_.Port().SetChoice(std::move(choice)); }
    const PortChoice& Choice() const { return run_.Port().Choice(); }
    // The fast read-out: each record request goes out as soon as the packets asked for so far have all
    // arrived, and never later than the request pace would send it. Off by default; the reply is judged
    // as a whole image either way. Clock and erase are not affected.
    void SetFastReadOut(bool fast) { readOut_.SetFast(fast); }
    bool FastReadOut() const { return readOut_.Fast(); }

    // The commands. Each ends with exactly one Finished (after the sequence, or at once when it cannot
    // start); a command started while another one's reply is awaited abandons that one silently.
    void Read() { readOut_.Start(); }
    // Handshake and reopen, then `ask` (the user's choice; nothing on Cancel) and the clock line.
    void SetClock(ClockQuestion ask) { ClockExchange(run_).Start(std::move(ask)); }
    // Opens the port (no handshake), then `confirm`, then the erase line for `slot` or kEraseAllNumber.
    void Erase(int slot, Confirmation confirm) { EraseExchange(run_).Start(slot, confirm); }
    // The handshake alone: HandshakeAnswered or a failure; the port is closed afterwards.
    void Handshake();

    // Discovery as the port watch needs it: quiet, and the port stays as it is.
    PortPresence WatchPort() { return run_.Port().Watch(); }
    // What WatchPort would answer now without asking the map, when that can be told; nullopt when it would
    // look again (first look, news in the map, another port name or choice since).
    std::optional<PortPresence> KnownPresence() const { return run_.Port().KnownPresence(); }
    // Closes the port unless a reply is awaited on it.
    void ClosePortIfIdle() { run_.ClosePortIfIdle(); }

    // A command sequence is running (the handshake's wait, the requests and their pauses): the port
    // watch holds back and the windows take no input.
    bool Busy() const { return run_.Busy(); }
    // The command has ended and its reply is awaited.
    bool AwaitingReply() const { return run_.AwaitingReply(); }
    bool PortOpen() const { return run_.Port().IsOpen(); }
    CMSComm& Comm() { return run_.Port().Comm(); }
    // The port and the state of the link's protocol: its settings, the port's name and number, the last line.
    const SessionPort& Port() const { return run_.Port(); }

  signals:
    // Busy() changed.
    void BusyChanged(bool busy);
    // The read-out passed its handshake and reopened the port: its requests go out now.
    void RequestsStarting();
    // `count` record requests have gone out.
    void RequestSent(int count);
    // All 100 requests went out and their last pause has ended; the reply is judged next.
    void RequestsDone();
    void Finished(const terrovane::link::Outcome& outcome);

  private:
    CommandRun run_;
    ReadOutRequests readOut_;
};

}  // namespace terrovane::link

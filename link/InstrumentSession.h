#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CMSComm.h"
#include "Outcome.h"
#include "PendingCommand.h"
#include "PortChoice.h"
#include "PortMap.h"
#include "Protocol.h"
#include "SessionPacing.h"

namespace terrovane::link {

// Checks the markers of all 100 packets: 0 when every packet carries "OK" at both ends, else -1.
int CheckPackets(const record::ReadOutBuffer& buffer);

// Judges the bytes that answered `command` (an erase of `erasedSlot`): the read-out image of exactly 7200
// bytes with all its markers, a clock reply starting with "OK", an erase reply of exactly 4 bytes starting
// with "OK". The reply's port is not filled in.
Outcome JudgeReply(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot = 0);

// What the port map says of the bridge right now.
struct PortPresence {
    bool present = false;
    // Set when the map names a port in a form that gives no number ("Port message unknown").
    std::string problem;
};

// The instrument link as one object: port discovery and opening, the handshake, and each command as a
// paced sequence of timers and serial events. A command opens the port, sends its line or lines with the
// protocol's pauses in between and, once its last pause has ended, judges the reply the serial control
// collected; then it closes the port and reports one Outcome. It shows no message, asks nothing itself
// (the host's callbacks do) and keeps no state of the window's.
class InstrumentSession : public QObject {
    Q_OBJECT

  public:
    using ClockQuestion = std::function<std::optional<ClockSetting>()>;
    using Confirmation = std::function<bool()>;

    explicit InstrumentSession(SessionPacing pacing = {}, QObject* parent = nullptr);
    ~InstrumentSession() override;

    void SetPacing(const SessionPacing& pacing) { pacing_ = pacing; }
    // Which bridge port discovery takes when several are attached; the next tick of the port watch sees it.
    void SetPortChoice(PortChoice choice);
    const PortChoice& Choice() const { return choice_; }
    const SessionPacing& Pacing() const { return pacing_; }
    // The fast read-out: each record request goes out as soon as the packets asked for so far have all
    // arrived, and never later than the request pace would send it. Off by default; the reply is judged
    // as a whole image either way. Clock and erase are not affected.
    void SetFastReadOut(bool fast) { fastReadOut_ = fast; }
    bool FastReadOut() const { return fastReadOut_; }

    // The commands. Each ends with exactly one Finished (after the sequence, or at once when it cannot
    // start); a command started while another one's reply is awaited abandons that one silently.
    void Read();
    // Handshake and reopen, then `ask` (the user's choice; nothing on Cancel) and the clock line.
    void SetClock(ClockQuestion ask);
    // Opens the port (no handshake), then `confirm`, then the erase line for `slot` or kEraseAllNumber.
    void Erase(int slot, Confirmation confirm);
    // The handshake alone: HandshakeAnswered or a failure; the port is closed afterwards.
    void Handshake();

    // Discovery as the port watch needs it: quiet, and the port stays as it is.
    PortPresence WatchPort();
    // What WatchPort would answer now without asking the map, when that can be told; nullopt when it would
    // look again (first look, news in the map, another port name or choice since).
    std::optional<PortPresence> KnownPresence() const;
    // Closes the port unless a reply is awaited on it.
    void ClosePortIfIdle();

    // A command sequence is running (the handshake's wait, the requests and their pauses): the port
    // watch holds back and the windows take no input.
    bool Busy() const { return busy_; }
    // The command has ended and its reply is awaited.
    bool AwaitingReply() const { return awaitingReply_; }
    bool PortOpen() const { return comm_.PortOpen(); }
    CMSComm& Comm() { return comm_; }

    // The state of the link's protocol (the names the instrument link has always used).
    std::string commSettings;
    std::string portName;
    int portNumber = 0;
    PendingCommand pendingCommand = PendingCommand::ReadOut;
    std::string commandText;

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
    int DiscoverPort();
    int OpenPort();
    void ClosePort();
    int SendIndexedCommand(std::string_view name, int number);
    void Begin(PendingCommand command, bool paced);
    void RunHandshake(const std::function<void()>& then);
    void EndHandshakeWait(const std::function<void()>& then);
    void StartRequests();
    void SendRequest(int slot);
    void PaceNextRequest(int slot);
    void StepEarlyWhenPacketsArrived();
    void AskClock(const ClockQuestion& ask);
    void AwaitReply();
    void OnComm();
    void JudgeWaiting();
    void WatchAwaitedReply();
    bool InstrumentGone();
    void OnReplyTimeout();
    Outcome Judge(const std::vector<std::uint8_t>& reply);
    void Fail(FailureStage stage, FailureReason reason, std::string detail = {});
    void FailDiscovery(FailureStage stage);
    void Lose(PendingCommand during);
    void Finish(Outcome outcome);
    void SetBusy(bool busy);
    void After(int milliseconds, std::function<void()> step);

    SessionPacing pacing_;
    CMSComm comm_;
    QTimer step_;
    QTimer lossWatch_;
    QTimer replyTimeout_;
    std::function<void()> nextStep_;
    std::string discoveryProblem_;
    std::string openError_;
    PortChoice choice_;
    // The port map in force when discovery last looked: the port watch keeps to it between commands, so
    // that an idle tick neither looks up the environment nor allocates.
    const platform::PortMapSource* map_ = nullptr;
    // The port watch's last answer, and the map, version and choice it came from.
    std::optional<PortPresence> watched_;
    const platform::PortMapSource* watchedMap_ = nullptr;
    std::uint64_t watchedVersion_ = 0;
    bool choiceChanged_ = false;
    std::string watchedPortName_;
    PendingCommand running_ = PendingCommand::ReadOut;
    int erasedSlot_ = 0;
    bool fastReadOut_ = false;
    // While a fast read-out paces its requests: the bytes that answer every request sent so far. 0 otherwise.
    int awaitedBytes_ = 0;
    bool busy_ = false;
    bool awaitingReply_ = false;
};

}  // namespace terrovane::link

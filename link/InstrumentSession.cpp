#include "InstrumentSession.h"

#include <algorithm>

#include "PortDiscovery.h"
#include "PortMap.h"

namespace terrovane::link {
namespace {

bool StartsWithOk(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 'O' && bytes[1] == 'K';
}

}  // namespace

int CheckPackets(const record::ReadOutBuffer& buffer) {
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (!record::HasMarkers(record::PacketOf(buffer, slot))) {
            return -1;
        }
    }
    return 0;
}

InstrumentSession::InstrumentSession(SessionPacing pacing, QObject* parent)
    : QObject(parent), commSettings(kCommSettings), pacing_(pacing) {
    qRegisterMetaType<Outcome>();
    step_.setSingleShot(true);
    step_.setTimerType(Qt::PreciseTimer);
    connect(&step_, &QTimer::timeout, this, [this] {
        auto step = std::move(nextStep_);
        nextStep_ = nullptr;
        if (step) {
            step();
        }
    });
    lossWatch_.setTimerType(Qt::PreciseTimer);
    connect(&lossWatch_, &QTimer::timeout, this, &InstrumentSession::WatchAwaitedReply);
    replyTimeout_.setSingleShot(true);
    connect(&replyTimeout_, &QTimer::timeout, this, &InstrumentSession::OnReplyTimeout);
    connect(&comm_, &CMSComm::OnComm, this, &InstrumentSession::OnComm);
}

InstrumentSession::~InstrumentSession() {
    ClosePort();
}

// Discovery never speaks: a malformed port name is kept for the outcome that reports it.
int InstrumentSession::DiscoverPort() {
    portName.clear();
    discoveryProblem_.clear();
    map_ = &platform::CurrentPortMap();
    std::optional<std::string> found = FindPortName(*map_, choice_);
    if (!found) {
        return -1;
    }
    portName = std::move(*found);
    const int number = PortNumberOf(portName, discoveryProblem_);
    if (number < 0) {
        return -1;
    }
    portNumber = number;
    return 0;
}

int InstrumentSession::OpenPort() {
    ClosePort();
    openError_.clear();
    comm_.SetCommPort(static_cast<std::int16_t>(portNumber));
    if (comm_.PortOpen()) {
        return -1;
    }
    comm_.SetPortOpen(true);
    if (!comm_.PortOpen()) {
        // On Linux the reason (a missing dialout membership, a vanished device) is what the user can act on.
        openError_ = comm_.LastError();
        return -1;
    }
    if (!comm_.SetSettings(commSettings)) {
        // A line left at other settings would garble every reply and pass for a silent instrument.
        openError_ = comm_.LastError();
        comm_.SetPortOpen(false);
        return -1;
    }
    comm_.SetRThreshold(1);
    comm_.SetInputMode(1);
    comm_.SetInputLen(0);
    comm_.Input();  // whatever was waiting belongs to no command of ours
    return 0;
}

void InstrumentSession::ClosePort() {
    awaitingReply_ = false;
    lossWatch_.stop();
    replyTimeout_.stop();
    if (comm_.PortOpen()) {
        comm_.SetPortOpen(false);
    }
}

void InstrumentSession::ClosePortIfIdle() {
    if (!awaitingReply_ && !busy_) {
        ClosePort();
    }
}

int InstrumentSession::SendIndexedCommand(std::string_view name, int number) {
    const std::string line = IndexedCommandLine(name, number);
    if (DiscoverPort() != 0) {
        return -1;
    }
    // A write that fails means the line is gone as surely as an undiscoverable port.
    return comm_.Output(line) ? 0 : -1;
}

void InstrumentSession::SetPortChoice(PortChoice choice) {
    if (choice != choice_) {
        choice_ = std::move(choice);
        choiceChanged_ = true;
    }
}

// While the map says nothing changed, the last answer stands.
PortPresence InstrumentSession::WatchPort() {
    if (commSettings != kCommSettings) {
        commSettings = kCommSettings;
    }
    if (map_ == nullptr) {
        map_ = &platform::CurrentPortMap();
    }
    const platform::PortMapSource* map = map_;
    const std::uint64_t version = map->Version();
    if (watched_ && map == watchedMap_ && version == watchedVersion_ && portName == watchedPortName_ &&
        !choiceChanged_) {
        return *watched_;
    }
    choiceChanged_ = false;
    // Discovery takes the map in force now; should that be another one, the next tick looks again.
    const bool present = DiscoverPort() == 0;
    watched_ = PortPresence{present, discoveryProblem_};
    watchedMap_ = map;
    watchedVersion_ = version;
    watchedPortName_ = portName;
    return *watched_;
}

std::optional<PortPresence> InstrumentSession::KnownPresence() const {
    if (!watched_ || map_ != watchedMap_ || portName != watchedPortName_ || choiceChanged_ ||
        commSettings != kCommSettings) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> version = map_->KnownVersion();
    if (!version || *version != watchedVersion_) {
        return std::nullopt;
    }
    return watched_;
}

void InstrumentSession::SetBusy(bool busy) {
    if (busy_ != busy) {
        busy_ = busy;
        emit BusyChanged(busy);
    }
}

void InstrumentSession::After(int milliseconds, std::function<void()> step) {
    nextStep_ = std::move(step);
    step_.start(std::max(milliseconds, 0));
}

// A new command abandons an exchange whose reply never came, as reopening the port always did.
void InstrumentSession::Begin(PendingCommand command, bool paced) {
    step_.stop();
    nextStep_ = nullptr;
    awaitedBytes_ = 0;
    ClosePort();
    running_ = command;
    SetBusy(paced);
    commSettings = kCommSettings;
}

void InstrumentSession::Read() {
    if (busy_) {
        return;
    }
    Begin(PendingCommand::ReadOut, true);
    RunHandshake([this] {
        if (OpenPort() != 0) {
            Fail(FailureStage::Open, FailureReason::CannotOpen, openError_);
            return;
        }
        StartRequests();
    });
}

void InstrumentSession::Handshake() {
    if (busy_) {
        return;
    }
    Begin(PendingCommand::ReadOut, true);
    RunHandshake([this] {
        ClosePort();
        SetBusy(false);
        Outcome outcome;
        outcome.kind = OutcomeKind::HandshakeAnswered;
        outcome.port = portName;
        emit Finished(outcome);
    });
}

void InstrumentSession::RunHandshake(const std::function<void()>& then) {
    if (DiscoverPort() != 0) {
        FailDiscovery(FailureStage::Handshake);
        return;
    }
    if (OpenPort() != 0) {
        Fail(FailureStage::Handshake, FailureReason::CannotOpen, openError_);
        return;
    }
    commandText = kHandshakeLine;
    if (!comm_.Output(commandText)) {
        // Not sent is not unanswered: gone since the port opened, as for every other command.
        Lose(running_);
        return;
    }
    // The instrument answers the handshake line with the same four bytes.
    awaitedBytes_ = pacing_.endWaitsOnArrival ? static_cast<int>(kHandshakeLine.size()) : 0;
    After(pacing_.handshakeWaitMs, [this, then] { EndHandshakeWait(then); });
}

void InstrumentSession::EndHandshakeWait(const std::function<void()>& then) {
    awaitedBytes_ = 0;
    if (comm_.Input().empty()) {
        Fail(FailureStage::Handshake, FailureReason::NoHandshakeReply);
        return;
    }
    then();  // any byte will do: the instrument is there
}

void InstrumentSession::StartRequests() {
    pendingCommand = PendingCommand::ReadOut;
    emit RequestsStarting();
    SendRequest(0);
}

void InstrumentSession::SendRequest(int slot) {
    if (slot == static_cast<int>(record::kSlotCount)) {
        SetBusy(false);
        emit RequestsDone();
        AwaitReply();
        return;
    }
    if (SendIndexedCommand(CommandNameByCode(0), slot) < 0) {
        Lose(PendingCommand::ReadOut);
        return;
    }
    emit RequestSent(slot + 1);
    PaceNextRequest(slot);
}

// The pace is the longest wait; a fast read-out cuts it short once the packet asked for has arrived, which
// never overtakes an instrument still answering: it waits for every byte asked for so far.
void InstrumentSession::PaceNextRequest(int slot) {
    const bool last = slot + 1 == static_cast<int>(record::kSlotCount);
    const bool cutShort = fastReadOut_ || (last && pacing_.endWaitsOnArrival);
    awaitedBytes_ = cutShort ? (slot + 1) * static_cast<int>(record::RecordPacket::kSize) : 0;
    After(last ? pacing_.LastPace() : pacing_.requestPaceMs, [this, slot] {
        awaitedBytes_ = 0;
        SendRequest(slot + 1);
    });
    StepEarlyWhenPacketsArrived();
}

void InstrumentSession::StepEarlyWhenPacketsArrived() {
    if (awaitedBytes_ == 0 || comm_.InBufferCount() < awaitedBytes_ || !step_.isActive()) {
        return;
    }
    step_.stop();
    auto step = std::move(nextStep_);
    nextStep_ = nullptr;
    if (step) {
        step();
    }
}

void InstrumentSession::SetClock(ClockQuestion ask) {
    if (busy_) {
        return;
    }
    Begin(PendingCommand::SetClock, true);
    RunHandshake([this, ask = std::move(ask)] {
        if (OpenPort() != 0) {
            Fail(FailureStage::Open, FailureReason::CannotOpen, openError_);
            return;
        }
        AskClock(ask);
    });
}

// The user chooses while the port stays open; the port watch may close it meanwhile, and then the line
// cannot go out.
void InstrumentSession::AskClock(const ClockQuestion& ask) {
    SetBusy(false);
    const std::optional<ClockSetting> clock = ask();
    if (!clock) {
        Fail(FailureStage::Open, FailureReason::Cancelled);
        return;
    }
    if (!IsClockSettable(*clock)) {
        Fail(FailureStage::Open, FailureReason::DateOutOfRange);
        return;
    }
    commandText = ClockLine(*clock);
    if (!comm_.Output(commandText)) {
        Lose(PendingCommand::SetClock);
        return;
    }
    pendingCommand = PendingCommand::SetClock;
    AwaitReply();
}

void InstrumentSession::Erase(int slot, Confirmation confirm) {
    if (busy_) {
        return;
    }
    const PendingCommand command =
        slot == kEraseAllNumber ? PendingCommand::EraseAll : PendingCommand::EraseOne;
    Begin(command, false);  // no waits: the question is the user's time
    if (DiscoverPort() != 0) {
        FailDiscovery(FailureStage::Open);
        return;
    }
    if (OpenPort() != 0) {
        Fail(FailureStage::Open, FailureReason::CannotOpen, openError_);
        return;
    }
    if (!confirm()) {
        Fail(FailureStage::Open, FailureReason::Cancelled);
        return;
    }
    commandText = EraseLine(slot);
    if (!comm_.Output(commandText)) {
        Lose(command);  // gone while the user was asked, or the line failed
        return;
    }
    pendingCommand = command;
    erasedSlot_ = slot;  // the row to clear is the one erased, whatever is selected when the reply comes
    AwaitReply();
}

// The command has ended: bytes already waiting are its reply; otherwise the next receive event brings it.
void InstrumentSession::AwaitReply() {
    awaitingReply_ = true;
    lossWatch_.start(pacing_.lossWatchMs);
    if (pacing_.replyTimeoutMs > 0) {
        replyTimeout_.start(pacing_.replyTimeoutMs);
    }
    // Judged from the event loop, as a receive event would be: never inside the command that sent.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (awaitingReply_ && comm_.InBufferCount() > 0) {
                JudgeWaiting();
            }
        },
        Qt::QueuedConnection);
}

void InstrumentSession::OnComm() {
    if (busy_) {
        StepEarlyWhenPacketsArrived();
        return;  // bytes of a command still pacing stay in the buffer until its last pause has ended
    }
    if (!awaitingReply_) {
        return;
    }
    if (comm_.CommEvent() != CMSComm::kEventReceive) {
        Fail(FailureStage::Reply, FailureReason::NotAReceiveEvent);
        return;
    }
    JudgeWaiting();
}

// A read-out whose answer stopped short because the instrument went away in the middle is told as lost,
// however quickly the requests went out before its port left.
void InstrumentSession::JudgeWaiting() {
    const std::vector<std::uint8_t> reply = comm_.Input();
    if (pendingCommand == PendingCommand::ReadOut && reply.size() < record::kReadOutSize &&
        InstrumentGone()) {
        Lose(PendingCommand::ReadOut);
        return;
    }
    Finish(Judge(reply));
}

bool InstrumentSession::InstrumentGone() {
    const std::string port = portName;
    const bool gone = DiscoverPort() != 0 || comm_.HungUp();
    portName = port;
    return gone;
}

// An instrument that went away before it answered. Bytes already waiting are its answer, sent before it
// went: they are judged instead.
void InstrumentSession::WatchAwaitedReply() {
    if (!awaitingReply_ || comm_.InBufferCount() > 0) {
        return;
    }
    if (InstrumentGone()) {
        Lose(pendingCommand);
    }
}

void InstrumentSession::OnReplyTimeout() {
    if (awaitingReply_) {
        Finish(Judge(comm_.Input()));
    }
}

namespace {

Outcome JudgeReadOut(const std::vector<std::uint8_t>& reply) {
    Outcome outcome;
    outcome.command = PendingCommand::ReadOut;
    if (reply.size() != record::kReadOutSize) {
        outcome.reason = FailureReason::WrongLength;
        return outcome;
    }
    std::copy(reply.begin(), reply.end(), outcome.image.begin());
    if (CheckPackets(outcome.image) != 0) {
        outcome.reason = FailureReason::BadMarkers;
        outcome.image = {};
        return outcome;
    }
    outcome.kind = OutcomeKind::ReadOutAccepted;
    return outcome;
}

// Any length will do; only the first bytes, as many as clockReply holds, are looked at.
Outcome JudgeClock(const std::vector<std::uint8_t>& reply) {
    std::array<std::uint8_t, 8> clockReply{};
    std::copy_n(reply.begin(), std::min(reply.size(), clockReply.size()), clockReply.begin());
    Outcome outcome;
    outcome.command = PendingCommand::SetClock;
    if (clockReply[0] == 'O' && clockReply[1] == 'K') {
        outcome.kind = OutcomeKind::ClockSet;
    } else {
        outcome.reason = FailureReason::NotOk;
    }
    return outcome;
}

Outcome JudgeErase(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot) {
    Outcome outcome;
    outcome.command = command;
    outcome.slot = erasedSlot;
    if (reply.size() != 4) {
        outcome.reason = FailureReason::WrongLength;
        return outcome;
    }
    outcome.reply = reply;
    if (StartsWithOk(reply)) {
        outcome.kind = OutcomeKind::Erased;
    } else {
        outcome.reason = FailureReason::NotOk;
    }
    return outcome;
}

}  // namespace

Outcome JudgeReply(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot) {
    switch (command) {
        case PendingCommand::ReadOut:
            return JudgeReadOut(reply);
        case PendingCommand::SetClock:
            return JudgeClock(reply);
        case PendingCommand::EraseOne:
        case PendingCommand::EraseAll:
            return JudgeErase(command, reply, erasedSlot);
    }
    return {};
}

Outcome InstrumentSession::Judge(const std::vector<std::uint8_t>& reply) {
    Outcome outcome = JudgeReply(pendingCommand, reply, erasedSlot_);
    outcome.port = portName;
    return outcome;
}

void InstrumentSession::FailDiscovery(FailureStage stage) {
    if (discoveryProblem_.empty()) {
        Fail(stage, FailureReason::PortNotFound);
    } else {
        Fail(stage, FailureReason::PortNameMalformed, discoveryProblem_);
    }
}

// A declined question leaves the port open, as it always has, until the next command or the port watch
// closes it.
void InstrumentSession::Fail(FailureStage stage, FailureReason reason, std::string detail) {
    Outcome outcome;
    outcome.command = running_;
    outcome.stage = stage;
    outcome.reason = reason;
    outcome.detail = std::move(detail);
    if (reason == FailureReason::Cancelled || reason == FailureReason::DateOutOfRange) {
        SetBusy(false);
        emit Finished(outcome);
        return;
    }
    Finish(std::move(outcome));
}

void InstrumentSession::Lose(PendingCommand during) {
    Outcome outcome;
    outcome.kind = OutcomeKind::InstrumentLost;
    outcome.command = during;
    Finish(std::move(outcome));
}

void InstrumentSession::Finish(Outcome outcome) {
    step_.stop();
    nextStep_ = nullptr;
    awaitedBytes_ = 0;
    ClosePort();
    SetBusy(false);
    emit Finished(outcome);
}

}  // namespace terrovane::link

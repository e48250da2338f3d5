#include "InstrumentLink.h"

#include "LinkMessages.h"
#include "MessageBox.h"
#include "Pause.h"
#include "PortDiscovery.h"
#include "PortMap.h"

namespace terrovane::link {

InstrumentLink::InstrumentLink(CMSComm& comm, LinkHost& host, record::ReadOutState& state, QObject* parent)
    : QObject(parent), commSettings(kCommSettings), comm_(comm), host_(host), state_(state) {
    connect(&comm_, &CMSComm::OnComm, this, &InstrumentLink::OnComm);
}

int InstrumentLink::DiscoverPort() {
    portName.clear();
    std::optional<std::string> found = FindPortName(platform::CurrentPortMap());
    if (!found) {
        return -1;
    }
    portName = std::move(*found);
    const int number = ParsePortNumber(portName);
    if (number < 0) {
        return -1;
    }
    portNumber = number;
    return 0;
}

int InstrumentLink::OpenPort() {
    ClosePort();
    comm_.SetCommPort(static_cast<std::int16_t>(portNumber));
    if (comm_.PortOpen()) {
        platform::Alert(kCannotOpenPort);
        return -1;
    }
    comm_.SetPortOpen(true);
    if (!comm_.PortOpen()) {
        // On Linux the reason (a missing dialout membership, a vanished device) is what the user can act on.
        const std::string reason = comm_.LastError();
        platform::Alert(reason.empty() ? std::string(kCannotOpenPort) : kCannotOpenPort + ("\n" + reason));
        return -1;
    }
    comm_.SetSettings(commSettings);
    comm_.SetRThreshold(1);
    comm_.SetInputMode(1);
    comm_.SetInputLen(0);
    comm_.Input();  // whatever was waiting belongs to no command of ours
    return 0;
}

void InstrumentLink::ClosePort() {
    awaitingReply_ = false;
    if (comm_.PortOpen()) {
        comm_.SetPortOpen(false);
    }
}

bool InstrumentLink::Handshake() {
    if (DiscoverPort() != 0 || OpenPort() != 0) {
        platform::Alert(kDriverError);
        return false;
    }
    commandText = kHandshakeLine;
    comm_.Output(commandText);
    platform::Pause(kHandshakeWaitMs);
    if (!comm_.Input().empty()) {
        return true;  // any byte will do: the instrument is there
    }
    platform::Alert(kNoHandshakeReply);
    return false;
}

int InstrumentLink::SendIndexedCommand(std::string_view name, int number) {
    const std::string line = IndexedCommandLine(name, number);
    if (DiscoverPort() != 0) {
        return -1;
    }
    // A write that fails means the line is gone as surely as an undiscoverable port.
    return comm_.Output(line) ? 0 : -1;
}

void InstrumentLink::PortWatchTick() {
    if (platform::IsPaused() || watchTickRunning_) {
        return;
    }
    // A parsing message runs its own loop, in which the timer keeps ticking: one box at a time.
    watchTickRunning_ = true;
    commSettings = kCommSettings;
    const bool present = DiscoverPort() == 0;
    watchTickRunning_ = false;
    if (awaitingReply_ && ReplyLost(present)) {
        LoseInstrument(pendingCommand);
        return;
    }
    if (!present && awaitingReply_) {
        return;  // its answer is waiting: the receive event judges it, then closes up
    }
    if (!present) {
        state_.requestsSent = false;
        host_.SetIdlePictureVisible(false);
        ClosePort();
        CloseProgressIfOpen();
        return;
    }
    if (!state_.requestsSent) {
        host_.BlankDisplay();
        host_.SetIdlePictureVisible(true);
    } else {
        host_.SetIdlePictureVisible(false);
    }
}

void InstrumentLink::CloseProgressIfOpen() {
    if (host_.IsProgressOpen()) {
        host_.CloseProgress();
    }
}

}  // namespace terrovane::link

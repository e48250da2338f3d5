#include "SessionPort.h"

#include "PortDiscovery.h"
#include "Protocol.h"

namespace terrovane::link {

SessionPort::~SessionPort() {
    Close();
}

// Discovery never speaks: a malformed port name is kept for the outcome that reports it.
int SessionPort::Discover() {
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

int SessionPort::Open() {
    Close();
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

void SessionPort::Close() {
    if (comm_.PortOpen()) {
        comm_.SetPortOpen(false);
    }
}

int SessionPort::SendIndexedCommand(std::string_view name, int number) {
    const std::string line = IndexedCommandLine(name, number);
    if (Discover() != 0) {
        return -1;
    }
    // A write that fails means the line is gone as surely as an undiscoverable port.
    return comm_.Output(line) ? 0 : -1;
}

bool SessionPort::InstrumentGone() {
    const std::string port = portName;
    const bool gone = Discover() != 0 || comm_.HungUp();
    portName = port;
    return gone;
}

void SessionPort::SetChoice(PortChoice choice) {
    if (choice != choice_) {
        choice_ = std::move(choice);
        choiceChanged_ = true;
    }
}

// While the map says nothing changed, the last answer stands.
PortPresence SessionPort::Watch() {
    if (commSettings != kCommSettings) {
        commSettings = kCommSettings;
    }
    if (map_ == nullptr) {
        map_ = &platform::CurrentPortMap();
    }
    const platform::PortMapSource* map = map_;
    const std::uint64_t version = map->Version();
    if (watched_ && map == watched_->map && version == watched_->version && portName == watched_->portName &&
        !choiceChanged_) {
        return watched_->presence;
    }
    choiceChanged_ = false;
    // Discovery takes the map in force now; should that be another one, the next tick looks again.
    const bool present = Discover() == 0;
    watched_ = WatchedPresence{PortPresence{present, discoveryProblem_}, map, version, portName};
    return watched_->presence;
}

std::optional<PortPresence> SessionPort::KnownPresence() const {
    if (!watched_ || map_ != watched_->map || portName != watched_->portName || choiceChanged_ ||
        commSettings != kCommSettings) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> version = map_->KnownVersion();
    if (!version || *version != watched_->version) {
        return std::nullopt;
    }
    return watched_->presence;
}

}  // namespace terrovane::link

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CMSComm.h"
#include "PortChoice.h"
#include "PortMap.h"
#include "Protocol.h"

namespace terrovane::link {

// What the port map says of the bridge right now.
struct PortPresence {
    bool present = false;
    // Set when the map names a port in a form that gives no number ("Port message unknown").
    std::string problem;
};

// The port watch's last answer, and the map, version and port name it came from.
struct WatchedPresence {
    PortPresence presence;
    const platform::PortMapSource* map = nullptr;
    std::uint64_t version = 0;
    std::string portName;
};

// The serial port as a session uses it: finding the bridge in the port map, opening it at the protocol's
// settings, sending a line, and the port watch's cheap answer between commands. It closes the port when
// it goes.
class SessionPort {
  public:
    ~SessionPort();

    // 0 when the map names the bridge with a port number, else -1 (DiscoveryProblem() says why, if it can).
    int Discover();
    // 0 when the port is open at commSettings with nothing waiting in it, else -1 (see OpenError()).
    int Open();
    void Close();
    bool IsOpen() const { return comm_.PortOpen(); }
    // Discovers the port again and sends the indexed command line; -1 when either fails.
    int SendIndexedCommand(std::string_view name, int number);
    // The port has left the map, or its line hung up. The discovered port name stays as it was.
    bool InstrumentGone();
    const std::string& DiscoveryProblem() const { return discoveryProblem_; }
    const std::string& OpenError() const { return openError_; }

    void SetChoice(PortChoice choice);
    const PortChoice& Choice() const { return choice_; }
    PortPresence Watch();
    std::optional<PortPresence> KnownPresence() const;

    CMSComm& Comm() { return comm_; }

    // The state of the link's protocol (the names the instrument link has always used).
    std::string commSettings{kCommSettings};
    std::string portName;
    int portNumber = 0;
    std::string commandText;

  private:
    CMSComm comm_;
    std::string discoveryProblem_;
    std::string openError_;
    PortChoice choice_;
    // The port map in force when discovery last looked: the port watch keeps to it between commands, so
    // that an idle tick neither looks up the environment nor allocates.
    const platform::PortMapSource* map_ = nullptr;
    std::optional<WatchedPresence> watched_;
    bool choiceChanged_ = false;
};

}  // namespace terrovane::link

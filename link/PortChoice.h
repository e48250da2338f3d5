#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PortMap.h"

namespace terrovane::link {

// The bridge port the user means when several are attached.
struct PortChoice {
    // A device path (the rule's link or the tty it names), a USB serial or a USB path; empty: no choice, the
    // first bridge port as always.
    std::string selector;
    // True when no other port will do (the command line's --port): a selector that names no port, or several,
    // finds no port at all. Otherwise the first bridge port stands in for it.
    bool required = false;

    bool operator==(const PortChoice&) const = default;
};

// The ports among `ports` that `selector` names: by device path (also through a link to the same device),
// by USB serial or by USB path.
std::vector<platform::BridgePort> PortsNamedBy(const std::vector<platform::BridgePort>& ports,
                                               std::string_view selector);

// What to remember of a chosen port so that it is found again after a replug: its USB serial where that
// names one instrument, else its USB path, else (a port-map file knows neither) its device path.
std::string RememberedSelector(const platform::BridgePort& port);

}  // namespace terrovane::link

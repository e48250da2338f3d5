#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "Accounts.h"
#include "Bridges.h"
#include "Finding.h"
#include "Paths.h"
#include "PortChoice.h"
#include "PortMap.h"
#include "Processes.h"
#include "UdevRules.h"

namespace terrovane::doctor {

// The bridge's kernel driver: registered (loaded or built in), loadable, or missing.
Finding CheckDriver(const Paths& paths, bool bridgeAttached);

// A USB device of the bridge's vendor, and whether it got its tty.
Finding CheckBridge(const std::vector<BridgeDevice>& bridges);

// brltty, which on many distributions claims 10c4:ea60 for a braille display and takes the tty away.
Finding CheckBrltty(const Paths& paths, const std::vector<Process>& processes,
                    const std::vector<RuleFile>& rules);

// This program's udev rule (access for the logged-in user, ModemManager kept off, the stable name).
Finding CheckOwnRule(const std::vector<RuleFile>& rules);

// ModemManager, which probes new serial ports with AT commands unless a rule tells it not to.
Finding CheckModemManager(const std::vector<Process>& processes, const std::vector<RuleFile>& rules);

// The serial-port map in force and what port discovery chooses in it.
struct PortChoice {
    Finding finding;
    std::string device;  // the device the chosen port opens; empty when there is none
};
PortChoice CheckPortMap(const platform::PortMapSource& portMap, const Said& mapDescription);

// The device's owner, group and mode, and whether (and why not) the account may open it.
Finding CheckPortAccess(const Paths& paths, const std::string& device, const Account& account,
                        bool ownRuleInstalled);

// Other processes holding the device open.
Finding CheckPortHolders(const Paths& paths, const std::string& device, pid_t self);

// The handshake with the instrument through the program's own link, on the port map in force.
Finding CheckHandshake(const link::PortChoice& choice = {});

}  // namespace terrovane::doctor

#pragma once

#include <sys/types.h>

#include <string>

#include "Accounts.h"
#include "Finding.h"
#include "Paths.h"
#include "PortChoice.h"
#include "PortMap.h"

namespace terrovane::doctor {

struct DoctorInput {
    Paths paths;
    Account account;
    const platform::PortMapSource* portMap = nullptr;  // the map discovery uses
    Said portMapDescription{Phrase::LiveSystem, {}};   // how the user knows it: the live system, a file
    bool liveMap = true;  // false for a port-map file: then the bridge's hardware is not in the way
    bool handshake = true;
    // The port the user named (--port): its access and holders are judged and the handshake tries it
    // alone. Empty: the port discovery chooses.
    link::PortChoice portChoice;
    std::string chosenDevice;
    pid_t self = 0;  // this program, which never counts as holding the port
};

// The whole checklist, in the order a user would mend things: driver, bridge, brltty, the udev rule,
// ModemManager, the port map, the port's access and holders, and last the handshake.
Findings RunDoctor(const DoctorInput& input);

// True when the checklist ends in a handshake the instrument answered.
bool HandshakeSucceeded(const Findings& findings);

// True when the port map in force is the live system's (TERROVANE_PORTMAP unset).
bool LivePortMapInForce();

// The port map in force, described: the TERROVANE_PORTMAP file or the live system.
Said CurrentPortMapDescription();

// The checklist of the running system for the running user, without the handshake: what the main
// program shows beside a failed command's message.
Findings DiagnoseSystem();

}  // namespace terrovane::doctor

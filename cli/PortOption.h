#pragma once

#include <optional>

#include "Command.h"
#include "PortMap.h"
#include "TerminalHost.h"

namespace terrovane::cli {

// --port DEVICE, taken by every command that opens the instrument.
DeclaredOption PortOption();

// Puts the port named by --port into `host`, when given. False after a message on standard error: no port
// of the instrument's bridge has that device path, USB serial or USB path, or several have.
bool TakePortOption(const ParsedArguments& options, const std::string& command, TerminalHost& host);

// The one port of `map` that --port names (the option must be given). Nothing after a message on standard
// error when it names none or several.
std::optional<platform::BridgePort> PortNamedByOption(const ParsedArguments& options,
                                                      const std::string& command,
                                                      const platform::PortMapSource& map);

}  // namespace terrovane::cli

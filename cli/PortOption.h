#pragma once

#include "Command.h"
#include "TerminalHost.h"

namespace terrovane::cli {

// --port DEVICE, taken by every command that opens the instrument.
DeclaredOption PortOption();

// Puts the port named by --port into `host`, when given. False after a message on standard error: no port
// of the instrument's bridge has that device path, USB serial or USB path, or several have.
bool TakePortOption(const ParsedArguments& options, const std::string& command, TerminalHost& host);

}  // namespace terrovane::cli

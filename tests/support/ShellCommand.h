#pragma once

#include <string>

namespace terrovane::testing {

// What a shell command line printed on its standard output, and its exit status (-1 when a signal ended
// it or it could not be started).
struct CommandOutput {
    std::string text;
    int status = -1;
};

// Runs the line through /bin/sh and waits for it.
CommandOutput RunCommand(const std::string& command);

// The text between single quotes for the shell.
std::string ShellQuoted(const std::string& text);

}  // namespace terrovane::testing

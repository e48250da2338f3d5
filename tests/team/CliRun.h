#pragma once

#include <string>
#include <vector>

#include "ShellCommand.h"

namespace terrovane::testing {

// Runs terrovane-cli with the arguments (shell-quoted here) and `input` on its standard input; both outputs.
inline CommandOutput Cli(const std::vector<std::string>& arguments, const std::string& input = {},
                         const std::string& environment = {}) {
    std::string line =
        "printf '%s' " + ShellQuoted(input) + " | " + environment + " " + ShellQuoted(TERROVANE_CLI_PATH);
    for (const std::string& argument : arguments) {
        line += " " + ShellQuoted(argument);
    }
    return RunCommand(line + " 2>&1");
}

inline bool Says(const CommandOutput& output, const std::string& part) {
    return output.text.find(part) != std::string::npos;
}

}  // namespace terrovane::testing

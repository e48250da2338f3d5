#pragma once

#include <map>
#include <string>
#include <vector>

namespace terrovane::cli {

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Long options of one invocation: "--name value" pairs, "--flag" switches and repeated options.
struct Options {
    std::map<std::string, std::vector<std::string>> values;  // option name (without "--") -> values
    std::vector<std::string> positional;

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
};

// Parses args against the options that take a value; anything else starting with "--" is a switch.
// Returns false with a message in `error` for a value option without its value.
bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                  Options& out, std::string& error);

// One subcommand. Each lives in its own file and registers itself with a static CommandRegistrar.
struct CommandEntry {
    std::string name;
    std::string synopsis;                              // e.g. "read [--out FILE]"
    std::string description;                           // one paragraph for --help
    int (*run)(const std::vector<std::string>& args);  // args after the subcommand name
};

const std::vector<CommandEntry>& Commands();

struct CommandRegistrar {
    explicit CommandRegistrar(CommandEntry entry);
};

}  // namespace terrovane::cli

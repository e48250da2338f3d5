#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CommandSyntax.h"

namespace terrovane::cliopts {

// The options and positional arguments of one invocation, as given.
struct ParsedArguments {
    std::map<std::string, std::vector<std::string>> values;  // option name -> its values ("" for a switch)
    std::vector<std::string> positionals;
    bool help = false;  // --help or -h was among the arguments; nothing else was checked

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    // The last value given (a repeated option's last one wins), else the fallback.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
};

struct ParseOutcome {
    std::optional<ParsedArguments> parsed;
    std::string error;  // what is wrong, when nothing was parsed
};

// Parses the arguments after the command's words against its declared options: long options only,
// "--name value" or "--name=value"; -h and --help ask for help. Unknown options, a missing or
// unexpected value, a missing required option (or not exactly one of a group) and a wrong number of
// positional arguments are errors. Arguments are taken byte for byte (file names need not be UTF-8).
ParseOutcome ParseArguments(const CommandSyntax& syntax, const std::vector<std::string>& arguments);

}  // namespace terrovane::cliopts

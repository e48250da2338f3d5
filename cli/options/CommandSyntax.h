#pragma once

#include <string>
#include <vector>

namespace terrovane::cliopts {

// How often an option may or must appear.
enum class Presence {
    Optional,      // [--name VALUE]
    Required,      // --name VALUE
    Repeatable,    // [--name VALUE]..., any number of times
    OneOf,         // (--a | --b): neighbouring OneOf options form a group of which exactly one is given
    WithPrevious,  // (--a | --b --c): follows a OneOf option, given exactly when that one is
    AtMostOneOf,   // [--a | --b]: neighbouring AtMostOneOf options form a group of which at most one is given
};

// One long option. Without a value name it is a switch.
struct DeclaredOption {
    std::string name;       // without "--"
    std::string valueName;  // e.g. "FILE"; empty for a switch
    std::string description;
    Presence presence = Presence::Optional;
};

// One form of a command: its words ("history open"), the positional arguments it takes, all exactly
// once except a last one named "NAME...", which takes one or more, and its options.
struct CommandSyntax {
    std::string words;
    std::vector<std::string> positionals;  // e.g. {"ID", "TEXT"}
    std::vector<DeclaredOption> options;
};

// "history label ID TEXT [--readout] [--note TEXT]", "erase (--slot N | --all) [--yes]".
std::string Synopsis(const CommandSyntax& syntax);

// The option lines of a form's help: each option with its value, its description indented below it.
std::string OptionsHelp(const CommandSyntax& syntax, const std::string& indent);

// Words joined into lines of at most `width` columns, each line starting with `indent`.
std::string Wrapped(const std::string& text, const std::string& indent, std::size_t width = 78);

}  // namespace terrovane::cliopts

// The command line's option parsing: the first byte picks one of the declarations (shaped like the real
// commands: value options, switches, a required option, a pick-one group, repeatable options, positional
// arguments); the rest, split at zero bytes, are the arguments.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CommandSyntax.h"
#include "ParseArguments.h"
#include "QuietMessages.h"

namespace {

using namespace terrovane;
using cliopts::CommandSyntax;
using cliopts::Presence;
using fuzz::Require;

const std::vector<CommandSyntax>& Declarations() {
    static const std::vector<CommandSyntax> syntaxes{
        {"read",
         {},
         {{"out", "FILE", "", Presence::Optional},
          {"format", "FORMAT", "", Presence::Optional},
          {"no-archive", "", "", Presence::Optional}}},
        {"export",
         {},
         {{"xls", "FILE", "", Presence::Required}, {"from", "DATA_INF", "", Presence::Optional}}},
        {"erase",
         {},
         {{"slot", "N", "", Presence::OneOf},
          {"all", "", "", Presence::OneOf},
          {"yes", "", "", Presence::Optional}}},
        {"doctor",
         {},
         {{"udev-rules", "DIR", "", Presence::Repeatable}, {"no-handshake", "", "", Presence::Optional}}},
        {"history label",
         {"ID", "TEXT"},
         {{"readout", "", "", Presence::Optional}, {"note", "TEXT", "", Presence::Optional}}},
        {"ports", {}, {}},
    };
    return syntaxes;
}

std::vector<std::string> SplitAtZero(std::string_view bytes) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

// A parsed value is an argument as given, or what follows the first '=' of one: never altered bytes.
bool CameFromArguments(const std::string& value, const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == value)
            return true;
        const auto equals = argument.find('=');
        if (equals != std::string::npos && argument.compare(equals + 1, std::string::npos, value) == 0)
            return true;
    }
    return false;
}

void CheckParsed(const CommandSyntax& syntax, const cliopts::ParsedArguments& parsed,
                 const std::vector<std::string>& arguments) {
    Require(parsed.positionals.size() == syntax.positionals.size());
    for (const std::string& positional : parsed.positionals)
        Require(CameFromArguments(positional, arguments));
    for (const auto& [name, values] : parsed.values) {
        const cliopts::DeclaredOption* declared = nullptr;
        for (const cliopts::DeclaredOption& option : syntax.options)
            declared = option.name == name ? &option : declared;
        Require(declared != nullptr && !values.empty());
        for (const std::string& value : values)
            Require(declared->valueName.empty() ? value.empty() : CameFromArguments(value, arguments));
    }
    for (const cliopts::DeclaredOption& option : syntax.options)
        Require(option.presence != Presence::Required || parsed.Has(option.name));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const CommandSyntax& syntax = Declarations()[data[0] % Declarations().size()];
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> arguments = rest.empty() ? std::vector<std::string>{} : SplitAtZero(rest);
    const cliopts::ParseOutcome outcome = cliopts::ParseArguments(syntax, arguments);
    Require(outcome.parsed.has_value() != !outcome.error.empty());
    if (outcome.parsed && !outcome.parsed->help)
        CheckParsed(syntax, *outcome.parsed, arguments);
    Require(!cliopts::Synopsis(syntax).empty());
    return 0;
}

#pragma once

#include <string>
#include <vector>

#include "CliText.h"
#include "CommandSyntax.h"
#include "ParseArguments.h"

namespace terrovane::cli {

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

using cliopts::DeclaredOption;
using cliopts::ParsedArguments;
using cliopts::Presence;

// One form of a subcommand: its declared words, positional arguments and options, and what runs it with
// the arguments parsed against that declaration.
struct CommandForm {
    cliopts::CommandSyntax syntax;  // words start with the command's name ("history open")
    int (*run)(const ParsedArguments& arguments);
};

// One subcommand. Each lives in its own file and registers itself with a static CommandRegistrar. A form
// after the first is chosen when the first argument is its second word ("history open ...").
struct CommandEntry {
    std::string name;
    std::string description;  // one paragraph for --help
    std::vector<CommandForm> forms;
};

const std::vector<CommandEntry>& Commands();
const CommandEntry* FindCommand(const std::string& name);

struct CommandRegistrar {
    explicit CommandRegistrar(CommandEntry entry);
};

// "terrovane-cli <command>: <what>" and the command's usage (in English, as --help gives it) on standard
// error; returns kExitUsage.
int UsageError(const std::string& command, const QString& what);

// The command's synopses, one a line, each prefixed.
std::string Synopses(const CommandEntry& command, const std::string& prefix);
// The command's own --help: usage, description, options.
std::string CommandHelp(const CommandEntry& command);

// Chooses the form, parses the arguments after the command's name, answers --help, runs the form.
int RunCommand(const CommandEntry& command, const std::vector<std::string>& arguments);

}  // namespace terrovane::cli

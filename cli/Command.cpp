#include "Command.h"

#include <cstdio>
#include <set>
#include <utility>

namespace terrovane::cli {
namespace {

std::vector<CommandEntry>& Registry() {
    static std::vector<CommandEntry> commands;
    return commands;
}

std::string SecondWord(const std::string& words) {
    const auto space = words.find(' ');
    return space == std::string::npos ? std::string() : words.substr(space + 1);
}

// The form named by the first argument, else the first form when it has no second word of its own; null
// when the command has only named forms and none is named.
const CommandForm* ChooseForm(const CommandEntry& command, const std::vector<std::string>& arguments,
                              bool& named) {
    for (const CommandForm& form : command.forms) {
        const std::string word = SecondWord(form.syntax.words);
        if (!word.empty() && !arguments.empty() && arguments.front() == word) {
            named = true;
            return &form;
        }
    }
    named = false;
    return SecondWord(command.forms.front().syntax.words).empty() ? &command.forms.front() : nullptr;
}

}  // namespace

const std::vector<CommandEntry>& Commands() {
    return Registry();
}

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry& command : Commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

CommandRegistrar::CommandRegistrar(CommandEntry entry) {
    Registry().push_back(std::move(entry));
}

std::string Synopses(const CommandEntry& command, const std::string& prefix) {
    std::string text;
    for (const CommandForm& form : command.forms)
        text += prefix + cliopts::Synopsis(form.syntax) + "\n";
    return text;
}

std::string CommandHelp(const CommandEntry& command) {
    std::string text = "usage:\n" + Synopses(command, "    terrovane-cli ") + "\n";
    text += cliopts::Wrapped(command.description, "    ") + "\noptions:\n";
    std::set<std::string> shown;
    for (const CommandForm& form : command.forms) {
        cliopts::CommandSyntax unseen;
        for (const DeclaredOption& option : form.syntax.options) {
            if (shown.insert(option.name).second)
                unseen.options.push_back(option);
        }
        text += cliopts::OptionsHelp(unseen, "    ");
    }
    return text + "    -h, --help\n        this text\n";
}

int UsageError(const std::string& command, const std::string& what) {
    std::string usage;
    if (const CommandEntry* entry = FindCommand(command))
        usage = Synopses(*entry, "usage: terrovane-cli ");
    std::fprintf(stderr, "terrovane-cli %s: %s\n%s", command.c_str(), what.c_str(), usage.c_str());
    return kExitUsage;
}

int RunCommand(const CommandEntry& command, const std::vector<std::string>& arguments) {
    bool named = false;
    const CommandForm* chosen = ChooseForm(command, arguments, named);
    if (chosen == nullptr) {
        if (!arguments.empty() && (arguments.front() == "--help" || arguments.front() == "-h")) {
            std::fputs(CommandHelp(command).c_str(), stdout);
            return kExitOk;
        }
        std::string words;
        for (const CommandForm& each : command.forms)
            words += (words.empty() ? "" : " or ") + SecondWord(each.syntax.words);
        return UsageError(command.name, "needs " + words);
    }
    const CommandForm& form = *chosen;
    const std::vector<std::string> rest(arguments.begin() + (named ? 1 : 0), arguments.end());
    const cliopts::ParseOutcome outcome = cliopts::ParseArguments(form.syntax, rest);
    if (!outcome.parsed)
        return UsageError(command.name, outcome.error);
    if (outcome.parsed->help) {
        std::fputs(CommandHelp(command).c_str(), stdout);
        return kExitOk;
    }
    return form.run(*outcome.parsed);
}

}  // namespace terrovane::cli

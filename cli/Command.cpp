#include "Command.h"

#include <QStringList>

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

// The number of leading arguments that spell the words after the command's name ("member add" of
// "team member add"); 0 when they do not.
std::size_t NamedWords(const std::string& words, const std::vector<std::string>& arguments) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= words.size() && !words.empty()) {
        const auto space = words.find(' ', start);
        const std::string word = words.substr(start, space == std::string::npos ? space : space - start);
        if (count >= arguments.size() || arguments[count] != word) {
            return 0;
        }
        ++count;
        if (space == std::string::npos) {
            break;
        }
        start = space + 1;
    }
    return count;
}

// The form named by the first arguments, else the first form when it has no second word of its own; null
// when the command has only named forms and none is named. `named` is the number of arguments that named it.
const CommandForm* ChooseForm(const CommandEntry& command, const std::vector<std::string>& arguments,
                              std::size_t& named) {
    for (const CommandForm& form : command.forms) {
        named = NamedWords(SecondWord(form.syntax.words), arguments);
        if (named > 0) {
            return &form;
        }
    }
    named = 0;
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

int UsageError(const std::string& command, const QString& what) {
    std::string usage;
    if (const CommandEntry* entry = FindCommand(command))
        usage = Synopses(*entry, "usage: terrovane-cli ");
    Tell("terrovane-cli " + command, what);
    std::fputs(usage.c_str(), stderr);
    return kExitUsage;
}

int RunCommand(const CommandEntry& command, const std::vector<std::string>& arguments) {
    std::size_t named = 0;
    const CommandForm* chosen = ChooseForm(command, arguments, named);
    if (chosen == nullptr) {
        if (!arguments.empty() && (arguments.front() == "--help" || arguments.front() == "-h")) {
            std::fputs(CommandHelp(command).c_str(), stdout);
            return kExitOk;
        }
        QStringList words;
        for (const CommandForm& each : command.forms)
            words << Given(SecondWord(each.syntax.words));
        // The words are the command's own and stay as typed; only the joining is said.
        return UsageError(command.name, CliText::tr("needs %1").arg(words.join(CliText::tr(" or "))));
    }
    const CommandForm& form = *chosen;
    const std::vector<std::string> rest(arguments.begin() + static_cast<std::ptrdiff_t>(named),
                                        arguments.end());
    const cliopts::ParseOutcome outcome = cliopts::ParseArguments(form.syntax, rest);
    if (!outcome.parsed)
        return UsageError(command.name, Given(outcome.error));
    if (outcome.parsed->help) {
        std::fputs(CommandHelp(command).c_str(), stdout);
        return kExitOk;
    }
    return form.run(*outcome.parsed);
}

}  // namespace terrovane::cli

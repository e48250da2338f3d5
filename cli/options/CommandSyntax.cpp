#include "CommandSyntax.h"

namespace terrovane::cliopts {
namespace {

std::string Spelled(const DeclaredOption& option) {
    return "--" + option.name + (option.valueName.empty() ? "" : " " + option.valueName);
}

std::string Bracketed(const DeclaredOption& option) {
    switch (option.presence) {
        case Presence::Required:
        case Presence::OneOf:
        case Presence::WithPrevious:
        case Presence::AtMostOneOf:
            return Spelled(option);
        case Presence::Repeatable:
            return "[" + Spelled(option) + "]...";
        case Presence::Optional:
            break;
    }
    return "[" + Spelled(option) + "]";
}

bool InGroup(const DeclaredOption* option) {
    return option != nullptr &&
           (option->presence == Presence::OneOf || option->presence == Presence::WithPrevious);
}

}  // namespace

std::string Synopsis(const CommandSyntax& syntax) {
    std::string text = syntax.words;
    for (const std::string& positional : syntax.positionals)
        text += " " + positional;
    const std::vector<DeclaredOption>& options = syntax.options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const DeclaredOption& option = options[i];
        const bool continuing = i > 0 && InGroup(&options[i - 1]);
        const bool optionalGroup = option.presence == Presence::AtMostOneOf;
        const bool continuingOptional = i > 0 && options[i - 1].presence == Presence::AtMostOneOf;
        if (option.presence == Presence::OneOf)
            text += continuing ? " | " : " (";
        else if (optionalGroup)
            text += continuingOptional ? " | " : " [";
        else
            text += " ";
        text += Bracketed(option);
        const bool last = i + 1 == options.size();
        if (InGroup(&option) && (last || !InGroup(&options[i + 1])))
            text += ")";
        if (optionalGroup && (last || options[i + 1].presence != Presence::AtMostOneOf))
            text += "]";
    }
    return text;
}

std::string OptionsHelp(const CommandSyntax& syntax, const std::string& indent) {
    std::string text;
    for (const DeclaredOption& option : syntax.options) {
        text += indent + Spelled(option) + "\n";
        text += Wrapped(option.description, indent + "    ");
    }
    return text;
}

std::string Wrapped(const std::string& text, const std::string& indent, std::size_t width) {
    std::string wrapped;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && indent.size() + line.size() + 1 + word.size() > width) {
            wrapped += indent + line + "\n";
            line.clear();
        }
        if (!word.empty())
            line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        wrapped += indent + line + "\n";
    return wrapped;
}

}  // namespace terrovane::cliopts

#include "ParseArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace terrovane::cliopts {
namespace {

// Latin-1 maps every byte to one character and back, so no argument is changed on the way through Qt.
QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// Qt's messages start with a capital and end with a full stop; ours follow the command's name.
std::string AsClause(const QString& message) {
    QString clause = message;
    // A translated message may end in the Chinese full stop.
    while (clause.endsWith(QChar(0x3002)))
        clause.chop(1);
    std::string text = clause.toStdString();
    while (!text.empty() && (text.back() == '.' || text.back() == '\n'))
        text.pop_back();
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z')
        text.front() = static_cast<char>(text.front() - 'A' + 'a');
    return text;
}

// A message for the person at the terminal, in their language (the command line's context); the names
// and arguments fill it as typed.
std::string Said(const char* source, const std::string& first, const std::string& second = {}) {
    const QString text = QCoreApplication::translate("CommandLine", source);
    // One pass for both, so a "%2" typed in an argument stays as typed.
    return (second.empty() ? text.arg(QString::fromStdString(first))
                           : text.arg(QString::fromStdString(first), QString::fromStdString(second)))
        .toStdString();
}

QCommandLineOption Declared(const DeclaredOption& option) {
    if (option.valueName.empty())
        return QCommandLineOption(FromBytes(option.name));
    return QCommandLineOption(FromBytes(option.name), {}, FromBytes(option.valueName));
}

const QCommandLineOption& HelpOption() {
    static const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    return help;
}

// The checks the declaration implies beyond Qt's own; "" when all hold.
std::string PresenceError(const CommandSyntax& syntax, const ParsedArguments& parsed) {
    std::vector<std::string> group;
    std::size_t groupGiven = 0;
    Presence groupKind = Presence::OneOf;
    auto closeGroup = [&]() -> std::string {
        std::string names;
        for (const std::string& name : group)
            names = names.empty() ? "--" + name
                                  : Said(QT_TRANSLATE_NOOP("CommandLine", "%1 or %2"), names, "--" + name);
        const std::size_t count = group.size();
        group.clear();
        if (count == 0 || groupGiven == 1 || (groupKind == Presence::AtMostOneOf && groupGiven == 0))
            return {};
        return groupGiven == 0 ? Said(QT_TRANSLATE_NOOP("CommandLine", "needs %1"), names)
                               : Said(QT_TRANSLATE_NOOP("CommandLine", "takes only one of %1"), names);
    };
    std::size_t partnerCount = 0;
    std::string partner;
    for (const DeclaredOption& option : syntax.options) {
        const auto given = parsed.values.find(option.name);
        const std::size_t count = given == parsed.values.end() ? 0 : given->second.size();
        if (option.presence == Presence::WithPrevious) {
            if (count > 0 && partnerCount == 0)
                return Said(QT_TRANSLATE_NOOP("CommandLine", "%1 goes with %2"), "--" + option.name,
                            "--" + partner);
            if (count == 0 && partnerCount > 0)
                return Said(QT_TRANSLATE_NOOP("CommandLine", "%1 needs %2"), "--" + partner,
                            "--" + option.name);
            continue;
        }
        if (option.presence == Presence::OneOf) {
            partner = option.name;
            partnerCount = count;
        }
        const bool grouped = option.presence == Presence::OneOf || option.presence == Presence::AtMostOneOf;
        if (!grouped || option.presence != groupKind) {
            if (std::string error = closeGroup(); !error.empty())
                return error;
            groupGiven = 0;
        }
        if (option.presence == Presence::Required && count == 0)
            return Said(QT_TRANSLATE_NOOP("CommandLine", "needs %1"), "--" + option.name);
        if (grouped) {
            groupKind = option.presence;
            group.push_back(option.name);
            groupGiven += count > 0 ? 1 : 0;
        }
    }
    return closeGroup();
}

std::string PositionalError(const CommandSyntax& syntax, const ParsedArguments& parsed) {
    const std::size_t expected = syntax.positionals.size();
    // A last positional named "NAME..." takes every further argument too.
    const bool repeated = expected > 0 && syntax.positionals.back().ends_with("...");
    if (parsed.positionals.size() > expected && !repeated)
        return Said(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument \"%1\""),
                    parsed.positionals[expected]);
    if (parsed.positionals.size() < expected)
        return Said(QT_TRANSLATE_NOOP("CommandLine", "missing %1"),
                    syntax.positionals[parsed.positionals.size()]);
    return {};
}

}  // namespace

std::string ParsedArguments::Value(const std::string& name, const std::string& fallback) const {
    const auto it = values.find(name);
    return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

ParseOutcome ParseArguments(const CommandSyntax& syntax, const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(HelpOption());
    for (const DeclaredOption& option : syntax.options)
        parser.addOption(Declared(option));
    QStringList list{FromBytes(syntax.words)};  // the parser skips the first entry, a program's name
    for (const std::string& argument : arguments)
        list.append(FromBytes(argument));
    const bool understood = parser.parse(list);
    ParseOutcome outcome;
    if (parser.isSet(HelpOption())) {
        outcome.parsed = ParsedArguments{};
        outcome.parsed->help = true;
        return outcome;
    }
    if (!understood) {
        outcome.error = AsClause(parser.errorText());
        return outcome;
    }
    ParsedArguments parsed;
    for (const DeclaredOption& option : syntax.options) {
        const QString name = FromBytes(option.name);
        if (!parser.isSet(name))
            continue;
        auto& values = parsed.values[option.name];
        if (option.valueName.empty()) {
            values.resize(static_cast<std::size_t>(parser.optionNames().count(name)));
        } else {
            for (const QString& value : parser.values(name))
                values.push_back(ToBytes(value));
        }
    }
    for (const QString& positional : parser.positionalArguments())
        parsed.positionals.push_back(ToBytes(positional));
    outcome.error = PositionalError(syntax, parsed);
    if (outcome.error.empty())
        outcome.error = PresenceError(syntax, parsed);
    if (outcome.error.empty())
        outcome.parsed = std::move(parsed);
    return outcome;
}

}  // namespace terrovane::cliopts

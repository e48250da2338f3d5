#include "StatedText.h"

#include <QCoreApplication>

#include <regex>

#include "MessageBox.h"

namespace terrovane::texts {
namespace {

// The text as a pattern: its own characters literally, each %N a group that takes what filled it.
std::regex PatternOf(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    const std::string escaped = std::regex_replace(text, special, R"(\$&)");
    return std::regex(std::regex_replace(escaped, std::regex("%[1-9]"), "(.*)"));
}

}  // namespace

bool ParseStated(const std::string& said, const std::vector<const char*>& texts, Stated& stated) {
    for (const char* text : texts) {
        std::smatch match;
        if (std::regex_match(said, match, PatternOf(text))) {
            stated.text = text;
            stated.arguments.assign(match.begin() + 1, match.end());
            return true;
        }
    }
    return false;
}

QString TranslatedStated(const char* context, const char* text, const std::vector<QString>& arguments) {
    std::vector<std::string> filling;
    for (const QString& argument : arguments)
        filling.push_back(argument.toStdString());
    return QString::fromStdString(
        platform::FillArguments(QCoreApplication::translate(context, text).toStdString(), filling));
}

}  // namespace terrovane::texts

#include "CliText.h"

#include <cstdio>
#include <vector>

#include "LanguageChoice.h"

namespace terrovane::cli {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString Given(const std::string& text) {
    return QString::fromStdString(text);
}

void Tell(const std::string& command, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", command.c_str(), Utf8(text).c_str());
}

void Confirm(const QString& text) {
    std::printf("%s\n", Utf8(text).c_str());
}

void InstallMessageLanguage() {
    // --lang of the report commands is that report's alone; their messages switch with it once it is read.
    translations::ChooseAndInstallLanguage({}, "terrovane-cli");
}

}  // namespace terrovane::cli

#pragma once

#include <optional>
#include <string>

#include "Command.h"

namespace terrovane::cli {

// The --lang option of the commands that draw a report. A function rather than a global: the site
// command's registrar reads it from another file while statics are still being made.
inline DeclaredOption LanguageOption() {
    return {"lang", "zh|en|de",
            "The report's language; by default the setting Interface/Language of "
            "Terrovane.conf, else the system's (Chinese or German for such a "
            "locale, otherwise English)."};
}

// Makes the report's language the one asked for (--lang, else the setting, else the system). A bad --lang is
// a usage error of `command` (the status returned); a bad setting is warned about and passed over.
std::optional<int> ChooseReportLanguage(const ParsedArguments& options, const std::string& command);

}  // namespace terrovane::cli

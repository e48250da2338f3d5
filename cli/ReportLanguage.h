#pragma once

#include <optional>
#include <string>

#include "Command.h"

namespace terrovane::cli {

// The --lang option of the commands that draw a report. A function, not a global: the commands register
// themselves while globals are made, and a global of another file may not be made yet.
DeclaredOption LanguageOption();

// Makes the report's language the one asked for (--lang, else the setting, else the system). A bad --lang is
// a usage error of `command` (the status returned); a bad setting is warned about and passed over.
std::optional<int> ChooseReportLanguage(const ParsedArguments& options, const std::string& command);

}  // namespace terrovane::cli

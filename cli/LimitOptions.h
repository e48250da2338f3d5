#pragma once

#include <optional>
#include <string>

#include "Command.h"
#include "SiteTypes.h"

namespace terrovane::cli {

// --limit and --interval of "site add" and "point add"; false after a usage message naming `command`.
bool ParseLimitOptions(const std::string& command, const ParsedArguments& options,
                       std::optional<archive::Limit>& limit, std::optional<int>& interval);

// Functions rather than globals: the commands' registrars read them while statics are still being made.
DeclaredOption LimitOption();
DeclaredOption IntervalOption();

}  // namespace terrovane::cli

#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "Archive.h"
#include "Verdict.h"

namespace terrovane::cli {

// The archive at its usual place; null after a message on standard error naming `command`.
std::unique_ptr<archive::Archive> OpenArchiveFor(const std::string& command);

// "command: reason" on standard error; returns kExitFailed.
int CommandFailed(const std::string& command, const QString& reason);

// That the archive was damaged and moved aside to `aside`, on standard error.
void TellMovedAside(const std::string& command, const std::string& aside);

// The validity thresholds of the main program's settings, else their defaults.
archive::ValidityThresholds ValiditySettings();

// A whole number within [low, high]; nullopt for anything else.
std::optional<int> WholeNumber(const std::string& text, int low, int high);

// A date written YYYY-MM-DD that exists.
bool IsCalendarDate(const std::string& text);

}  // namespace terrovane::cli

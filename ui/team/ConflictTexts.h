#pragma once

#include <QString>

#include "Conflicts.h"

namespace terrovane::teamui {

// How the conflicts dialog writes one side of a conflict and what it is about, in the person's words.
QString ConflictSubjectText(const sync::Conflict& conflict);
QString ConflictFieldText(const std::string& field);
// A value as the archive keeps it (JSON text): a text as it reads, none as "(none)".
QString ConflictValueText(const std::string& json);
// Who made a change: a login, or this PC.
QString ConflictWhoText(const std::string& who);
// When a change was made, read from its stamp (milliseconds since 1970 first).
QString ConflictWhenText(const std::string& stamp);

}  // namespace terrovane::teamui

#pragma once

#include <QString>

#include "Finding.h"

namespace terrovane::texts {

// The port doctor's findings in the running language. Paths, commands, names and ids the checks found
// are filled in as they are.

// A check's short name, as the line of its finding starts ("driver", "access").
QString CheckText(doctor::Check check);
// A phrase's words with their placeholders, before anything fills them; for a count, its plural for `count`.
QString PhraseText(doctor::Phrase phrase, int count = 1);
// A phrase with its arguments filled, phrases among them said first.
QString SaidText(const doctor::Said& said);
// What the finding saw, and what to do (empty when nothing).
QString SeenText(const doctor::Finding& finding);
QString FixText(const doctor::Finding& finding);
// One line per finding, "[FAIL] access: ...", its fix on an indented line below.
QString FindingsText(const doctor::Findings& findings);

}  // namespace terrovane::texts

#pragma once

#include <QString>

#include <string>

namespace terrovane::texts {

// A reason a result is doubtful (archive::ValidityNotes: a high jamming voltage, a high auxiliary
// resistance, a failed reading) in the running language; anything else as it came.
QString ValidityNoteText(const std::string& note);

// A note of the soil model or the fall-of-potential curve (a result left out and why, a distance or a
// spacing taken, the solver stopping) in the running language, with the result it names and the reasons it
// gives said in that language too; anything else as it came.
QString AnalysisNoteText(const std::string& note);

}  // namespace terrovane::texts

#pragma once

#include <QString>
#include <QStringList>

#include "Assessment.h"

namespace terrovane::texts {

// A grid verdict in the running language: "Safe", "Not safe", "Not shown safe".
QString GridVerdictText(grid::Verdict verdict);

// Why the soil a verdict rests on is not known well enough, one sentence.
QString SoilDoubtText(const grid::SoilDoubt& doubt);

// The design's verdict at one end of the soil's one-sigma range, with the resistivity there.
QString SoilEndText(const grid::SoilEnd& end, bool highEnd);

// What the assessment says about its soil, one line each: the doubts, then both ends of the range where it
// is known. Empty for a resistivity typed in.
QStringList SoilCertaintyLines(const grid::Assessment& assessment);

}  // namespace terrovane::texts

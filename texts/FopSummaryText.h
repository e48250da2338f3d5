#pragma once

#include <QStringList>

#include "FallOfPotential.h"

namespace terrovane::texts {

// A fall-of-potential analysis in words, one line each, in the running language: the resistance at
// 61.8 %, the plateau, the slope method and the notes; the reason alone for readings that were refused.
QStringList FopSummaryText(const analysis::FopAnalysis& analysis);

}  // namespace terrovane::texts

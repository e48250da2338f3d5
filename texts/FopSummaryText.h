#pragma once

#include <QLocale>
#include <QStringList>

#include "FallOfPotential.h"

namespace terrovane::texts {

// A fall-of-potential analysis in words, one line each, in the running language: the resistance at
// 61.8 %, the plateau, the slope method and the notes; the reason alone for readings that were refused.
// Numbers in `numbers`' notation: a window passes the user's locale; a printed report keeps the point, the
// same under every locale as the other files.
QStringList FopSummaryText(const analysis::FopAnalysis& analysis, const QLocale& numbers = QLocale::c());

}  // namespace terrovane::texts

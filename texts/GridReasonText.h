#pragma once

#include <QLocale>
#include <QString>

#include "Assessment.h"
#include "GridSafety.h"

namespace terrovane::texts {

// Why a grid is safe or not, one sentence per reason, in the running language: the formulas' reasons, the
// computation's in the soil model, and the formulas' warnings. The window passes its locale for the
// numbers; the command line and files keep the C locale's.
QString GridReasonText(const grid::Reason& reason, const QLocale& numbers = QLocale::c());
QString GridWarningText(const grid::Warning& warning, const QLocale& numbers = QLocale::c());
QString ComputedReasonText(const electrode::ComputedReason& reason, const QLocale& numbers = QLocale::c());

// "12.3 V", one decimal.
QString VoltsText(double volts, const QLocale& numbers = QLocale::c());

}  // namespace terrovane::texts

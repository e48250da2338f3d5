#pragma once

#include <QString>

#include "Visit.h"

namespace terrovane::texts {

// The soil's condition as a person reads it ("moist"); empty for one not stated. Files and the command
// line keep the words "dry", "moist", "wet", "frozen".
QString SoilConditionText(archive::SoilCondition soil);

// The warning for an instrument used after its calibration was due: "The calibration of Earth tester
// (serial SN 42) was due on 2024-05-01, before the visit."
QString CalibrationPastText(const archive::VisitInstrument& instrument);

}  // namespace terrovane::texts

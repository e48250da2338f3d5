#pragma once

#include <QString>

#include "ResultMethod.h"
#include "Visit.h"
#include "VisitText.h"

namespace terrovane::texts {

// How a result was measured, in one line a report prints beneath it: "3-pole earth resistance; probes:
// current 40 m, potential 24.7 m; test frequency 128 Hz; Rs 1.2 kΩ, Rh 2.3 kΩ: valid, both at most
// 50 kΩ". Whatever the archive does not hold says "not recorded", so a reader never wonders about a blank.
QString MethodText(const archive::ResultMethod& method);

// The conditions of a visit in one line: "Visit of 2026-05-03: weather sunny; air 18 °C; soil dry".
QString VisitConditionsText(const archive::Visit& visit);

}  // namespace terrovane::texts

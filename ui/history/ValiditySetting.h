#pragma once

#include "Verdict.h"

namespace terrovane::history {

// The program's settings Validity/JammingVoltage (volts) and Validity/AuxiliaryResistance (ohms), else
// their defaults: from which readings on a result is marked doubtful.
archive::ValidityThresholds ValiditySettings();

}  // namespace terrovane::history

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "SiteTypes.h"

namespace terrovane::platform {
class Settings;
}

namespace terrovane::archive {

// Whether a result keeps its limit. None: no limit applies, the mode measures no earth resistance, or the
// instrument stored a failed reading.
enum class Verdict { Pass, Fail, None };

// "pass", "fail", "none".
const char* VerdictWord(Verdict verdict);

// The earth resistance of modes 1 to 5 against a maximum: a value at the limit passes. The comparison is
// made at the precision the instrument stores, so a limit typed as 0.1 ohm is kept by a reading of 0.1.
Verdict Judge(const record::MeasurementRecord& record, const std::optional<Limit>& limit);

// From which readings on a result is doubtful. These are this program's defaults, not a standard's: the
// settings Validity/JammingVoltage and Validity/AuxiliaryResistance change them.
struct ValidityThresholds {
    double jammingVolts = 10;
    double auxiliaryOhms = 50000;  // Rs and Rh
};
// The thresholds the user set, each default kept where the setting is missing or no positive number.
ValidityThresholds ValidityThresholdsIn(const platform::Settings& settings);

// Why the result is doubtful, one reason each ("jamming voltage 12.5 V above 10 V"); empty when it is not.
std::vector<std::string> ValidityNotes(const record::MeasurementRecord& record,
                                       const ValidityThresholds& thresholds = {});

}  // namespace terrovane::archive

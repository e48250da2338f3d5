#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "SiteTypes.h"
#include "TranslationMark.h"

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

// The reasons a result is doubtful, fixed texts with what varies as %1, %2: the notes are these filled, in
// English, as the files keep them; the windows say them in the user's language by ValidityTexts().
inline constexpr const char* kFailedReading =
    QT_TRANSLATE_NOOP("ValidityNotes", "the instrument stored a failed reading");
inline constexpr const char* kJammingAbove =
    QT_TRANSLATE_NOOP("ValidityNotes", "jamming voltage %1 V above %2 V");
inline constexpr const char* kRsAbove = QT_TRANSLATE_NOOP("ValidityNotes", "Rs %1 above %2");
inline constexpr const char* kRhAbove = QT_TRANSLATE_NOOP("ValidityNotes", "Rh %1 above %2");
const std::vector<const char*>& ValidityTexts();

// Why the result is doubtful, one reason each ("jamming voltage 12.5 V above 10 V"); empty when it is not.
std::vector<std::string> ValidityNotes(const record::MeasurementRecord& record,
                                       const ValidityThresholds& thresholds = {});

}  // namespace terrovane::archive

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"

namespace terrovane::archive {

// One reading of a fall-of-potential curve: the potential probe's distance in metres, the resistance in
// ohms, and the archived result it came from, when it did.
struct StoredFopReading {
    double distance = 0;
    double resistance = 0;
    std::optional<std::int64_t> result;
};

// A fall-of-potential curve kept with its test point; its values are computed from the readings.
struct StoredFopCurve {
    std::int64_t id = 0;
    std::int64_t point = 0;
    std::string savedAt;  // ISO 8601, set when stored
    double currentProbe = 0;
    std::vector<StoredFopReading> readings;
    std::vector<std::string> leftOut;  // the results left off the curve and why (LeftOutNotes.h)
};

// Nothing when the curve can be stored: a current-probe distance and at least two readings, every distance
// and resistance a finite number above zero. Otherwise the refusal saying what is wrong. (Whether the
// curve reaches 61.8 % is the analysis's to say: a curve that does not is still worth keeping.)
[[nodiscard]] std::optional<Failure> FopCurveProblem(const StoredFopCurve& curve);

// Stores the curve with its point in one unit of work, setting its id and time; refused as FopCurveProblem
// says, or missing (kNoPoint) when there is no such point.
Status StoreFopCurve(Archive& archive, StoredFopCurve& curve);
// The point's stored curves, newest first.
Result<std::vector<StoredFopCurve>> FopCurves(Archive& archive, std::int64_t point);
Status DeleteFopCurve(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive

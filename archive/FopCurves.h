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

// Empty when the curve can be stored: a current-probe distance and at least two readings, every distance
// and resistance a finite number above zero. Otherwise what is wrong. (Whether the curve reaches 61.8 %
// is the analysis's to say: a curve that does not is still worth keeping.)
std::string FopCurveProblem(const StoredFopCurve& curve);

// Stores the curve with its point in one transaction, setting its id and time; false with `error` set when
// the curve is refused or there is no such point.
[[nodiscard]] bool StoreFopCurve(Archive& archive, StoredFopCurve& curve, std::string& error);
// The point's stored curves, newest first.
[[nodiscard]] bool FopCurves(Archive& archive, std::int64_t point, std::vector<StoredFopCurve>& out,
                             std::string& error);
[[nodiscard]] bool DeleteFopCurve(Archive& archive, std::int64_t id, std::string& error);

}  // namespace terrovane::archive

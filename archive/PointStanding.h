#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "Verdict.h"

namespace terrovane::archive {

// Whether a result measured: its mode's main quantity is a reading, or above the instrument's range. A
// failed reading (the instrument stored a negative number) or a mode without a main quantity measured
// nothing, so it is no test of the point.
bool Measured(const record::MeasurementRecord& record);

// One result of a test point, as far as the point's standing goes.
struct Attempt {
    std::string date;       // the measuring date, YYYY-MM-DD; empty when the instrument's is no date
    std::string time;       // HH:MM:SS
    std::int64_t id = 0;    // of the result: of two taken at the same second, the later archived is newer
    bool measured = false;  // see Measured
};

// The attempt a result with this id and these bytes is: its date only where it is a real calendar date.
Attempt AttemptOf(std::int64_t id, const record::MeasurementRecord& record);

// The one order of "newer" every view uses: by measuring date and time, then by archiving; a result
// without a date is older than any with one.
bool Newer(const Attempt& a, const Attempt& b);

// A point judged by its newest result that measured.
struct Standing {
    std::optional<std::size_t> latest;  // index of that result among the attempts; none: never measured
    int failedSince = 0;  // attempts newer than it (all of them when none) that measured nothing
};

// The standing of a point with these results, in any order.
Standing StandingOf(const std::vector<Attempt>& attempts);

}  // namespace terrovane::archive

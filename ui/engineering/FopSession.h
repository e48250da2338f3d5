#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "FallOfPotential.h"
#include "FopCurves.h"
#include "Verdict.h"

namespace terrovane::engineering {

// One earth-resistance result of a fall-of-potential curve.
struct FopResult {
    std::int64_t id = 0;
    std::string when;  // its measuring date and time
    double resistance = 0;
};

// The 3-pole (and 4-pole) earth-resistance results among `rows` whose Re was measured and is not doubtful,
// in the order given; `notes` says what was left out and why (other modes, over range, failed readings,
// doubtful ones).
std::vector<FopResult> FopResultsOf(const std::vector<archive::ResultRow>& rows,
                                    std::vector<std::string>& notes,
                                    const archive::ValidityThresholds& thresholds = {});

// The readings of the results at the distances, one each (as many as there are results).
std::vector<analysis::FopReading> FopReadingsOf(const std::vector<FopResult>& results,
                                                const std::vector<double>& distances);

// The curve as the archive keeps it with its test point.
archive::StoredFopCurve StoredCurveOf(const std::vector<FopResult>& results,
                                      const std::vector<double>& distances, double currentProbe,
                                      std::int64_t point);
std::vector<analysis::FopReading> ReadingsOf(const archive::StoredFopCurve& curve);

// The analysis in words, one line each: the resistance at 61.8 %, the plateau, the slope method and the
// notes.
std::vector<std::string> FopSummary(const analysis::FopAnalysis& analysis);

}  // namespace terrovane::engineering

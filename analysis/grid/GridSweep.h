#pragma once

#include <optional>
#include <vector>

#include "Assessment.h"

namespace terrovane::grid {

// The designs a sweep tries, each combination of: a number of meshes along the length (the width gets as
// many meshes as keep the spacing nearest to the length's), a number of rods and a burial depth. The
// outline, conductor, rods' length and diameter, placement, surface layer and fault stay the design's.
struct SweepRange {
    std::vector<int> meshesAlongLength;
    std::vector<int> rodCounts;
    std::vector<double> depths;
    std::size_t Size() const { return meshesAlongLength.size() * rodCounts.size() * depths.size(); }
};

// Ten of each: 2 to 20 meshes along the length, 0 to 36 rods (in fours), 0.3 m to 1.2 m deep: 1,000 designs.
SweepRange DefaultSweepRange();

// Rods the sweep adds to a design that has none.
GroundRods DefaultSweepRods();

struct SweepOutcome {
    int tried = 0;
    int safe = 0;
    // The safe design with the least buried conductor and rod length (then fewer rods, then shallower).
    std::optional<GridDesign> smallest;
    std::optional<Assessment> assessment;
};

// Every design of the range on this soil, by the chosen standard.
SweepOutcome FindSmallestSafeGrid(const GridDesign& base, const UniformSoil& soil, Standard standard,
                                  const SweepRange& range = DefaultSweepRange());
// The same on a fitted model: a design counts as safe only where it is safe across the model's range
// (AssessOnFittedSoil).
struct FittedSoil;
SweepOutcome FindSmallestSafeGrid(const GridDesign& base, const FittedSoil& soil, Standard standard,
                                  const SweepRange& range = DefaultSweepRange());

}  // namespace terrovane::grid

#include "GridSweep.h"

#include <cmath>
#include <functional>
#include <tuple>

#include "SoilCertainty.h"

namespace terrovane::grid {
namespace {

// The design with `meshes` meshes along the length and the width's meshes matching their spacing; for an
// L-shaped grid the cut must still fall on conductors, or there is none.
std::optional<GridDesign> Resized(const GridDesign& base, int meshes, int rods, double depth) {
    GridDesign design = base;
    GridLayout& grid = design.grid;
    const double spacing = grid.length / meshes;
    const int across = grid.shape == GridShape::Square
                           ? meshes
                           : std::max(1, static_cast<int>(std::lround(grid.width / spacing)));
    grid.conductorsWidthwise = meshes + 1;
    grid.conductorsLengthwise = across + 1;
    grid.depth = depth;
    if (rods > 0) {
        if (!design.rods)
            design.rods = DefaultSweepRods();
        design.rods->count = rods;
    } else {
        design.rods.reset();
    }
    if (!CheckDesign(design).empty())
        return std::nullopt;
    return design;
}

auto SizeKey(const GridDesign& design, const Assessment& a) {
    return std::make_tuple(a.geometry.totalLength, design.rods ? design.rods->count : 0, design.grid.depth);
}

SweepOutcome Sweep(const GridDesign& base, const SweepRange& range,
                   const std::function<Assessment(const GridDesign&)>& assess) {
    SweepOutcome outcome;
    for (int meshes : range.meshesAlongLength)
        for (int rods : range.rodCounts)
            for (double depth : range.depths) {
                const std::optional<GridDesign> design = Resized(base, meshes, rods, depth);
                if (!design)
                    continue;
                ++outcome.tried;
                Assessment a = assess(*design);
                if (a.verdict != Verdict::Safe)
                    continue;
                ++outcome.safe;
                if (!outcome.smallest ||
                    SizeKey(*design, a) < SizeKey(*outcome.smallest, *outcome.assessment)) {
                    outcome.smallest = design;
                    outcome.assessment = std::move(a);
                }
            }
    return outcome;
}

}  // namespace

SweepRange DefaultSweepRange() {
    SweepRange range;
    for (int meshes = 2; meshes <= 20; meshes += 2)
        range.meshesAlongLength.push_back(meshes);
    for (int rods = 0; rods <= 36; rods += 4)
        range.rodCounts.push_back(rods);
    for (int step = 0; step < 10; ++step)
        range.depths.push_back(0.3 + 0.1 * step);
    return range;
}

GroundRods DefaultSweepRods() {
    return {0, 3.0, 0.016, RodPlacement::Perimeter};
}

SweepOutcome FindSmallestSafeGrid(const GridDesign& base, const UniformSoil& soil, Standard standard,
                                  const SweepRange& range) {
    return Sweep(base, range, [&](const GridDesign& design) { return Assess(design, soil, standard); });
}

SweepOutcome FindSmallestSafeGrid(const GridDesign& base, const FittedSoil& soil, Standard standard,
                                  const SweepRange& range) {
    return Sweep(base, range,
                 [&](const GridDesign& design) { return AssessOnFittedSoil(design, soil, standard); });
}

}  // namespace terrovane::grid

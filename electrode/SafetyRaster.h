#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "Potential.h"

namespace terrovane::electrode {

// How the surface over a grid is sampled for its touch and step voltages.
struct RasterOptions {
    // A person touches a grounded structure at arm's length: the touch area is every point within this
    // reach of the ground the grid covers (IEEE Std 80-2013, clause 3 "touch voltage"; its figures of the
    // exposures draw the reach as 1 m).
    double reach = 1.0;
    // The step: two feet this far apart (IEEE Std 80-2013, clause 3 "step voltage": 1 m, no contact with
    // any grounded object).
    double stepLength = 1.0;
    // Ground beyond the grid's outline that is mapped too: the step voltage is largest just outside the
    // edge and corners, where the surface potential falls away.
    double margin = 3.0;
    // The raster's points are spaced the step divided by 1, 2 or 4, the finest that keeps each side within
    // this many points, so that one step always spans whole raster intervals.
    int maxPointsPerSide = 201;
};

// The surface in volts for a given current into the electrode, point by point, row by row (y outer).
// touch is the electrode's potential less the surface's where the point lies in the touch area, NaN
// elsewhere; step is the largest difference to a point one step away along x or y (in either direction).
struct SafetyRaster {
    SurfaceMap potential;  // volts
    std::vector<double> touch;
    std::vector<double> step;
    double spacing = 0;
    std::size_t Index(int ix, int iy) const { return static_cast<std::size_t>(iy) * potential.nx + ix; }
};

// The rectangle mapped: the bounding box of the covered rectangles, widened by the margin, on points
// spaced as RasterOptions says.
SurfaceMap RasterShape(const std::vector<Area>& covered, const RasterOptions& options);

// Whether a surface point lies within the reach of any of the covered rectangles.
bool WithinReach(const std::vector<Area>& covered, double reach, double x, double y);

// Called with the share of the raster done (0 to 1); returns false to stop.
using RasterProgress = std::function<bool(double share)>;

// The surface potential mapped band by band (each band a few rows, filled on the solver's threads), then
// touch and step from it. Empty values when progress asked to stop.
SafetyRaster MapSafety(const Solution& solution, double current, const std::vector<Area>& covered,
                       const RasterOptions& options, const RasterProgress& progress = {});

}  // namespace terrovane::electrode

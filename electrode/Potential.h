#pragma once

#include <vector>

#include "Solver.h"

namespace terrovane::electrode {

// The potential in volts per ampere into the electrode at a point on or below the surface (not
// thread-safe: a new depth is registered with the solution's Green's function). NaN for a solution the
// solver refused.
double PotentialAt(const Solution& solution, Point point);

// A rectangle of the surface.
struct Area {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

// The surface potential on nx x ny points spread evenly over the area, edges included; values row by row
// (y outer), volts per ampere; NaN for a solution the solver refused.
struct SurfaceMap {
    Area area;
    int nx = 0;
    int ny = 0;
    std::vector<double> values;
    double At(int ix, int iy) const { return values[static_cast<std::size_t>(iy) * nx + ix]; }
    Point PointAt(int ix, int iy) const;
};

SurfaceMap MapSurface(const Solution& solution, const Area& area, int nx, int ny, int threads = 0);

// The largest touch voltage (the electrode's potential less the surface's) and step voltage (between two
// surface points a step apart along x or y) on a map, in volts for the given current into the electrode,
// with where they occur. The map's spacing should divide the step.
struct Extreme {
    double volts = 0;
    Point at;
};

struct TouchAndStep {
    Extreme touch;
    Extreme step;
};

TouchAndStep LargestTouchAndStep(const Solution& solution, const SurfaceMap& map, double current,
                                 double stepLength = 1.0);

}  // namespace terrovane::electrode

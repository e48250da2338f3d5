#pragma once

#include <vector>

#include "Solver.h"

namespace terrovane::electrode {

// One point of a profile across the surface: how far along the line it lies, where, the surface
// potential there and the touch voltage of a person standing there and touching the electrode (its
// potential less the surface's), in volts for the current the profile was asked for.
struct ProfilePoint {
    double distance = 0;
    Point at;
    double potential = 0;
    double touch = 0;
};

// Points no more than `spacing` apart (fewer where the line would need more than `maxPoints`) from
// `from` to `to` on the surface, both ends included; the depths of the two points are ignored. Empty for
// a line of no length, a spacing that is not above zero, or a solution the solver refused.
std::vector<ProfilePoint> SurfaceProfile(const Solution& solution, double current, Point from, Point to,
                                         double spacing = 0.25, int maxPoints = 2001);

}  // namespace terrovane::electrode

#pragma once

#include "Geometry.h"

namespace terrovane::electrode {

// The potential at p of a current of 1 A leaving a straight segment a-b uniformly along its length, in a
// boundless medium of 1 ohm-metre:
//   V = 1/(4 pi L) ln((r1 + r2 + L) / (r1 + r2 - L)),
// r1 and r2 the distances from p to the ends (Sunde, "Earth conduction effects in transmission systems",
// 1949, ch. 3; the same integral as Dwight, "Calculation of resistances to ground", AIEE Trans. 55, 1936).
// Written through the projection of p on the line so that points close to the line lose no digits.
// A point closer to the line than `nearest` is taken at that distance (inside a wire is its surface).
double LineSourcePotential(Point a, Point b, Point p, double nearest = 0);

// The same averaged over a coaxial cylinder of radius `radius` around the segment itself (the segment's
// own potential in the thin-wire approximation, observer on the wire's surface):
//   (1/(2 pi L^2)) (L asinh(L/a) - sqrt(L^2 + a^2) + a).
double SelfAveragePotential(double length, double radius);

}  // namespace terrovane::electrode

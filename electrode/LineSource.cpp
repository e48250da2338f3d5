#include "LineSource.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terrovane::electrode {

double LineSourcePotential(Point a, Point b, Point p, double nearest) {
    const Point axis = b - a;
    const double length = Norm(axis);
    const Point u = (1.0 / length) * axis;
    const Point pa = p - a;
    const double fromA = Dot(pa, u);      // x of p along the line, from a
    const double fromB = fromA - length;  // the same from b
    const double r1 = Norm(pa);
    const double r2 = Norm(p - b);
    // ln((x_a + r1) / (x_b + r2)), which equals the form with r1 + r2 +- L; x + r is computed as
    // s^2 / (r - x) where x < 0 (s the distance from the line) to keep its digits.
    double ratio;
    if (fromB >= 0) {
        ratio = (fromA + r1) / (fromB + r2);
    } else if (fromA <= 0) {
        ratio = (r2 - fromB) / (r1 - fromA);
    } else {
        const double sideSquared = std::max({Dot(Cross(pa, u), Cross(pa, u)), nearest * nearest, 1e-300});
        ratio = (fromA + r1) * (r2 - fromB) / sideSquared;
    }
    return std::log(ratio) / (4 * std::numbers::pi * length);
}

double SelfAveragePotential(double length, double radius) {
    const double l = length;
    const double a = radius;
    return (l * std::asinh(l / a) - std::sqrt(l * l + a * a) + a) / (2 * std::numbers::pi * l * l);
}

}  // namespace terrovane::electrode

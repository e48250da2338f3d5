#include "GridResistance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terrovane::grid {

double SverakResistance(double rho, const GridGeometry& geometry, double depth) {
    const double area = geometry.area;
    return rho * (1.0 / geometry.totalLength +
                  1.0 / std::sqrt(20.0 * area) * (1.0 + 1.0 / (1.0 + depth * std::sqrt(20.0 / area))));
}

SchwarzCoefficients SchwarzCoefficientsAt(double depth, double area, double lengthToWidth) {
    const double x = lengthToWidth;
    const SchwarzCoefficients surface{-0.04 * x + 1.41, 0.15 * x + 5.50};
    const SchwarzCoefficients tenth{-0.05 * x + 1.20, 0.10 * x + 4.68};
    const SchwarzCoefficients sixth{-0.05 * x + 1.13, -0.05 * x + 4.40};
    const double side = std::sqrt(area);
    auto between = [](const SchwarzCoefficients& a, const SchwarzCoefficients& b, double t) {
        return SchwarzCoefficients{a.k1 + (b.k1 - a.k1) * t, a.k2 + (b.k2 - a.k2) * t};
    };
    if (depth <= side / 10)
        return between(surface, tenth, std::max(0.0, depth) / (side / 10));
    if (depth <= side / 6)
        return between(tenth, sixth, (depth - side / 10) / (side / 6 - side / 10));
    return sixth;
}

SchwarzResistance SchwarzGridResistance(double rho, const GridDesign& design, const GridGeometry& geometry) {
    const GroundRods& rods = *design.rods;
    const double depth = design.grid.depth;
    const double area = geometry.area;
    const double side = std::sqrt(area);
    const double lc = geometry.conductorLength;
    const double lr = rods.length;
    const double nr = rods.count;
    const double ratio =
        std::max(geometry.extentX, geometry.extentY) / std::min(geometry.extentX, geometry.extentY);
    const SchwarzCoefficients k = SchwarzCoefficientsAt(depth, area, ratio);
    // A conductor at depth h acts as one of radius sqrt(a 2h) at the surface.
    const double conductorRadius = std::sqrt(design.grid.conductorDiameter / 2 * 2 * depth);
    const double rodRadius = rods.diameter / 2;
    const double pi = std::numbers::pi;
    SchwarzResistance r;
    r.grid = rho / (pi * lc) * (std::log(2 * lc / conductorRadius) + k.k1 * lc / side - k.k2);
    r.rods = rho / (2 * pi * nr * lr) *
             (std::log(4 * lr / rodRadius) - 1 + 2 * k.k1 * lr / side * std::pow(std::sqrt(nr) - 1, 2));
    r.mutual = rho / (pi * lc) * (std::log(2 * lc / lr) + k.k1 * lc / side - k.k2 + 1);
    r.total = (r.grid * r.rods - r.mutual * r.mutual) / (r.grid + r.rods - 2 * r.mutual);
    return r;
}

}  // namespace terrovane::grid

#include "MeshFactors.h"

#include <cmath>
#include <numbers>

namespace terrovane::grid {
namespace {

constexpr double kReferenceDepth = 1.0;  // h0

void EffectiveMeshCount(const GridDesign& design, const GridGeometry& g, MeshFactors& f) {
    f.na = 2 * g.conductorLength / g.perimeter;
    if (design.grid.shape != GridShape::Square)
        f.nb = std::sqrt(g.perimeter / (4 * std::sqrt(g.area)));
    if (design.grid.shape == GridShape::LShaped) {
        const double box = g.extentX * g.extentY;
        f.nc = std::pow(box / g.area, 0.7 * g.area / box);
    }
    f.nd = 1;
    f.n = f.na * f.nb * f.nc * f.nd;
}

bool RodsOnOutline(const GridDesign& design) {
    return design.rods && design.rods->count > 0 && design.rods->placement != RodPlacement::Inside;
}

}  // namespace

MeshFactors ComputeMeshFactors(const GridDesign& design, const GridGeometry& g) {
    MeshFactors f;
    EffectiveMeshCount(design, g, f);
    const double h = design.grid.depth;
    const double d = design.grid.conductorDiameter;
    const double spacing = g.spacing;
    const double pi = std::numbers::pi;
    const bool outline = RodsOnOutline(design);
    f.kii = outline ? 1.0 : 1.0 / std::pow(2 * f.n, 2 / f.n);
    f.kh = std::sqrt(1 + h / kReferenceDepth);
    f.km = 1 / (2 * pi) *
           (std::log(spacing * spacing / (16 * h * d) + std::pow(spacing + 2 * h, 2) / (8 * spacing * d) -
                     h / (4 * d)) +
            f.kii / f.kh * std::log(8 / (pi * (2 * f.n - 1))));
    f.ki = 0.644 + 0.148 * f.n;
    const double rodsLength = g.rodLength;
    if (outline) {
        const double rodLength = design.rods->length;
        f.lm = g.conductorLength + (1.55 + 1.22 * rodLength / std::hypot(g.extentX, g.extentY)) * rodsLength;
    } else {
        f.lm = g.conductorLength + rodsLength;
    }
    f.ks = 1 / pi * (1 / (2 * h) + 1 / (spacing + h) + 1 / spacing * (1 - std::pow(0.5, f.n - 2)));
    f.ls = 0.75 * g.conductorLength + 0.85 * rodsLength;
    return f;
}

}  // namespace terrovane::grid

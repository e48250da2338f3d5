#include "SingularTerms.h"

#include <cmath>
#include <numbers>

namespace terrovane::electrode {
namespace {

constexpr double kSingularFourPi = 4 * std::numbers::pi;

double DirectAndMirror(double r, double depth, double sourceDepth) {
    const double below = depth - sourceDepth;
    const double above = depth + sourceDepth;
    return 1 / std::sqrt(r * r + below * below) + 1 / std::sqrt(r * r + above * above);
}

}  // namespace

SingularTerms::SingularTerms(const Soil& soil) : soil_(soil) {
    for (int layer = 0; layer < static_cast<int>(soil.resistivities.size()); ++layer)
        mirrors_.push_back(MirrorsOfLayer(soil, layer));
}

double SingularTerms::AtPoint(double r, double depth, double sourceDepth, int observerLayer,
                              int sourceLayer) const {
    double sum =
        NearFieldResistivity(soil_, observerLayer, sourceLayer) * DirectAndMirror(r, depth, sourceDepth);
    if (observerLayer == sourceLayer) {
        const InterfaceMirrors& mirrors = mirrors_[sourceLayer];
        const double rho = soil_.resistivities[sourceLayer];
        for (int m = 0; m < mirrors.count; ++m) {
            const double dz = depth - MirroredDepth(sourceDepth, mirrors.mirror[m].depth);
            sum += rho * mirrors.mirror[m].reflection / std::sqrt(r * r + dz * dz);
        }
    }
    return sum / kSingularFourPi;
}

double SingularTerms::Spectral(double lambda, double depth, double sourceDepth, int observerLayer,
                               int sourceLayer) const {
    double sum =
        NearFieldResistivity(soil_, observerLayer, sourceLayer) *
        (std::exp(-lambda * std::fabs(depth - sourceDepth)) + std::exp(-lambda * (depth + sourceDepth)));
    if (observerLayer == sourceLayer) {
        const InterfaceMirrors& mirrors = mirrors_[sourceLayer];
        const double rho = soil_.resistivities[sourceLayer];
        for (int m = 0; m < mirrors.count; ++m) {
            const double dz = depth - MirroredDepth(sourceDepth, mirrors.mirror[m].depth);
            sum += rho * mirrors.mirror[m].reflection * std::exp(-lambda * std::fabs(dz));
        }
    }
    return sum;
}

}  // namespace terrovane::electrode

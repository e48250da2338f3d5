#include "Soil.h"

#include <cmath>

namespace terrovane::electrode {
namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

SoilFault CheckSoil(const Soil& soil) {
    if (soil.resistivities.empty())
        return SoilFault::NoLayer;
    if (soil.thicknesses.size() + 1 != soil.resistivities.size())
        return SoilFault::ThicknessCount;
    for (double rho : soil.resistivities) {
        if (!Positive(rho))
            return SoilFault::BadResistivity;
    }
    for (double h : soil.thicknesses) {
        if (!Positive(h))
            return SoilFault::BadThickness;
    }
    return SoilFault::None;
}

std::vector<double> InterfaceDepths(const Soil& soil) {
    std::vector<double> depths;
    double depth = 0;
    for (double h : soil.thicknesses) {
        depth += h;
        depths.push_back(depth);
    }
    return depths;
}

int LayerAt(const Soil& soil, double depth) {
    double bottom = 0;
    for (std::size_t i = 0; i < soil.thicknesses.size(); ++i) {
        bottom += soil.thicknesses[i];
        if (depth < bottom)
            return static_cast<int>(i);
    }
    return static_cast<int>(soil.thicknesses.size());
}

double NearFieldResistivity(const Soil& soil, int observer, int source) {
    const double rs = soil.resistivities[source];
    const double ro = soil.resistivities[observer];
    return observer == source ? rs : 2 * rs * ro / (rs + ro);
}

}  // namespace terrovane::electrode

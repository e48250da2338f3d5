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

InterfaceMirrors MirrorsOfLayer(const Soil& soil, int layer) {
    InterfaceMirrors mirrors;
    const std::vector<double> depths = InterfaceDepths(soil);
    const double rho = soil.resistivities[layer];
    auto add = [&](int across, double depth) {
        const double other = soil.resistivities[across];
        mirrors.mirror[mirrors.count++] = {depth, (other - rho) / (other + rho)};
    };
    if (layer > 0)
        add(layer - 1, depths[layer - 1]);
    if (layer + 1 < static_cast<int>(soil.resistivities.size()))
        add(layer + 1, depths[layer]);
    return mirrors;
}

}  // namespace terrovane::electrode

#pragma once

#include <array>
#include <vector>

#include "LayeredEarth.h"

namespace terrovane::electrode {

// The soil is the soil model's: resistivities top first, a thickness for every layer but the last.
using Soil = analysis::LayeredEarth;

enum class SoilFault { None, NoLayer, ThicknessCount, BadResistivity, BadThickness };

SoilFault CheckSoil(const Soil& soil);

// Depths of the interfaces below the surface, top first (one fewer than layers).
std::vector<double> InterfaceDepths(const Soil& soil);

// The layer (0 at the top) a point at this depth lies in; a point on an interface belongs to the layer
// below it.
int LayerAt(const Soil& soil, double depth);

// The resistivity that multiplies 1/(4 pi R) close to a source in layer `source` seen from layer
// `observer`: the layer's own, or 2 rho_s rho_o / (rho_s + rho_o) across an interface (the transmitted
// part of two half-spaces: rho1 (1 + k), Sunde 1949, with k = (rho2 - rho1) / (rho2 + rho1)).
double NearFieldResistivity(const Soil& soil, int observer, int source);

// The image of a source in an interface of its own layer, seen from that layer: rho_s K / (4 pi R') with R'
// to the source mirrored in the interface and K = (rho_n - rho_s) / (rho_n + rho_s), rho_n the layer across
// it (the first image of two half-spaces, Sunde 1949, ch. 2). Close to an interface it is as singular as the
// source itself, so it is integrated exactly with it rather than left in the tabulated rest.
struct InterfaceMirror {
    double depth = 0;
    double reflection = 0;  // K
};

struct InterfaceMirrors {
    int count = 0;
    std::array<InterfaceMirror, 2> mirror{};
};

InterfaceMirrors MirrorsOfLayer(const Soil& soil, int layer);

inline double MirroredDepth(double depth, double interface) {
    return 2 * interface - depth;
}

}  // namespace terrovane::electrode

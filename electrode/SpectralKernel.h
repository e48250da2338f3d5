#pragma once

#include <vector>

#include "Soil.h"

namespace terrovane::electrode {

// The potential of a point current of 1 A at depth zs in horizontally layered soil whose surface carries
// no current, seen at depth z and horizontal distance r, as a Hankel transform:
//   G(r; z, zs) = 1/(4 pi) * integral over 0..inf of phi(lambda; z, zs) J0(lambda r) d lambda.
// In every layer i, phi = rho_s exp(-lambda |z - zs|) (in the source's layer only) + A_i exp(-lambda (z -
// top_i)) + B_i exp(-lambda (bottom_i - z)), B = 0 in the last layer; A and B follow from no current through
// the surface and continuous potential and normal current density (1/rho_i) d phi / dz at every interface
// (Sunde 1949, ch. 2; Koefoed, "Geosounding principles 1", 1979). The exponentials are written from each
// layer's own boundary so that no term grows with lambda and the system stays well scaled.
struct LayerWaves {
    std::vector<double> down;  // A_i
    std::vector<double> up;    // B_i
};

LayerWaves SolveLayerWaves(const Soil& soil, double lambda, double sourceDepth);

// phi(lambda; z, zs) from the waves of that source.
double SpectralPotential(const Soil& soil, const LayerWaves& waves, double lambda, double depth,
                         double sourceDepth);

// G(r; z, zs) in V per A through the project's digital J0 filter; r > 0.
double PointPotentialByFilter(const Soil& soil, double r, double depth, double sourceDepth);

}  // namespace terrovane::electrode

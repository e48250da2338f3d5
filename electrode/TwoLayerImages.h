#pragma once

#include <optional>
#include <vector>

#include "Soil.h"

namespace terrovane::electrode {

// One image of a point source in two-layer soil: it adds weight / (4 pi R) with
// R = sqrt(r^2 + (z + sign * zs + offset)^2) to the potential at depth z of a 1 A source at depth zs.
struct Image {
    double weight;  // ohm-metres
    int sign;       // +1 for an image mirrored in a horizontal plane, -1 for a shifted copy
    double offset;  // metres
};

// The image series of two-layer soil (Sunde 1949, ch. 2, eqs. 2.38-2.41; Tagg, "Earth resistances", 1964,
// ch. 5), k = (rho2 - rho1) / (rho2 + rho1), H the top layer's thickness:
//   both in the top layer:    rho1 [1/R(z - zs) + 1/R(z + zs) + sum_n>=1 k^n (1/R(z - zs -+ 2nH) + 1/R(z + zs
//   -+ 2nH))] source top, observer below: rho1 (1 + k) sum_n>=0 k^n [1/R(z - zs + 2nH) + 1/R(z + zs + 2nH)]
//   source below, observer top: the same with z and zs exchanged (reciprocity)
//   both below:               rho2 [1/R(z - zs) - k/R(z + zs - 2H) + (1 - k^2) sum_n>=0 k^n / R(z + zs +
//   2nH)].
// The series stops after the first N with |k|^N <= 1e-7 (1 - |k|): the terms left weigh less than 1e-7 of
// the first, and each is further away. When that needs more than kMaxImageTerms (|k| above about 0.94,
// a contrast of 30 or more) there is no series: the caller uses the Hankel form instead.
inline constexpr int kMaxImageTerms = 300;
std::optional<int> ImageTermsNeeded(double k);
std::optional<std::vector<Image>> TwoLayerImages(const Soil& soil, int observerLayer, int sourceLayer);

// The potential in V per A of a point source by the series (for the checks against the Hankel form).
double PointPotentialByImages(const std::vector<Image>& images, double r, double depth, double sourceDepth);

}  // namespace terrovane::electrode

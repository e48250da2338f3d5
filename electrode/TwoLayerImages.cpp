#include "TwoLayerImages.h"

#include <cmath>
#include <numbers>

namespace terrovane::electrode {

std::optional<int> ImageTermsNeeded(double k) {
    const double magnitude = std::fabs(k);
    if (magnitude == 0)
        return 0;
    const double wanted = 1e-7 * (1 - magnitude);
    double power = 1;
    for (int n = 1; n <= kMaxImageTerms; ++n) {
        power *= magnitude;
        if (power <= wanted)
            return n;
    }
    return std::nullopt;
}

std::optional<std::vector<Image>> TwoLayerImages(const Soil& soil, int observerLayer, int sourceLayer) {
    const double rho1 = soil.resistivities.at(0);
    const double rho2 = soil.resistivities.at(1);
    const double h = soil.thicknesses.at(0);
    const double k = (rho2 - rho1) / (rho2 + rho1);
    const std::optional<int> terms = ImageTermsNeeded(k);
    if (!terms)
        return std::nullopt;
    std::vector<Image> images;
    double power = 1;  // k^n
    if (observerLayer == 0 && sourceLayer == 0) {
        images.push_back({rho1, -1, 0});
        images.push_back({rho1, +1, 0});
        for (int n = 1; n <= *terms; ++n) {
            power *= k;
            for (double offset : {-2 * n * h, 2 * n * h}) {
                images.push_back({rho1 * power, -1, offset});
                images.push_back({rho1 * power, +1, offset});
            }
        }
    } else if (observerLayer != sourceLayer) {
        // z - zs + 2nH for a source above; R is even, so zs - z + 2nH is z - zs - 2nH for a source below.
        const double direction = sourceLayer == 0 ? 1.0 : -1.0;
        for (int n = 0; n <= *terms; ++n) {
            images.push_back({rho1 * (1 + k) * power, -1, direction * 2 * n * h});
            images.push_back({rho1 * (1 + k) * power, +1, 2 * n * h});
            power *= k;
        }
    } else {
        images.push_back({rho2, -1, 0});
        images.push_back({-k * rho2, +1, -2 * h});
        for (int n = 0; n <= *terms; ++n) {
            images.push_back({rho2 * (1 - k * k) * power, +1, 2 * n * h});
            power *= k;
        }
    }
    return images;
}

double PointPotentialByImages(const std::vector<Image>& images, double r, double depth, double sourceDepth) {
    double sum = 0;
    for (const Image& image : images) {
        const double dz = depth + image.sign * sourceDepth + image.offset;
        sum += image.weight / std::sqrt(r * r + dz * dz);
    }
    return sum / (4 * std::numbers::pi);
}

}  // namespace terrovane::electrode

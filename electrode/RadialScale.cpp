#include "RadialScale.h"

#include <algorithm>
#include <cmath>

#include "HankelFilter.h"

namespace terrovane::electrode {

RadialScale::RadialScale(double shortestDistance, double longestDistance) {
    const auto& b = analysis::HankelAbscissae();
    step = std::log10(b[1] / b[0]);
    firstRadius = shortestDistance;
    longest = std::max(longestDistance, 2 * shortestDistance);
    points = static_cast<int>(std::ceil(std::log10(longest / firstRadius) / step)) + 4;
}

double RadialScale::Position(double r) const {
    return std::log10(r / firstRadius) / step;
}

double RadialScale::RadiusAt(int j) const {
    return firstRadius * std::pow(10.0, j * step);
}

double RadialScale::LaggedWavenumber(int m) const {
    const double b0 = analysis::HankelAbscissae()[0];
    return b0 * std::pow(10.0, (m - (points - 1)) * step) / firstRadius;
}

}  // namespace terrovane::electrode

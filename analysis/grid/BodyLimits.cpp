#include "BodyLimits.h"

#include <cmath>

namespace terrovane::grid {

namespace {
constexpr double kBodyResistance = 1000.0;
}

double SurfaceFactor(double soilResistivity, double surfaceResistivity, double surfaceThickness) {
    if (!(surfaceThickness > 0))
        return 1.0;
    return 1.0 - 0.09 * (1.0 - soilResistivity / surfaceResistivity) / (2.0 * surfaceThickness + 0.09);
}

double BodyCurrentConstant(int bodyKg) {
    return bodyKg == 50 ? 0.116 : 0.157;
}

double TolerableTouchVoltage(int bodyKg, double surfaceFactor, double surfaceResistivity,
                             double shockDuration) {
    return (kBodyResistance + 1.5 * surfaceFactor * surfaceResistivity) * BodyCurrentConstant(bodyKg) /
           std::sqrt(shockDuration);
}

double TolerableStepVoltage(int bodyKg, double surfaceFactor, double surfaceResistivity,
                            double shockDuration) {
    return (kBodyResistance + 6.0 * surfaceFactor * surfaceResistivity) * BodyCurrentConstant(bodyKg) /
           std::sqrt(shockDuration);
}

}  // namespace terrovane::grid

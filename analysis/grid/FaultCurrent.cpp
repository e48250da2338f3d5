#include "FaultCurrent.h"

#include <cmath>
#include <numbers>

namespace terrovane::grid {

double DecrementFactor(double xOverR, double frequency, double duration) {
    if (!(xOverR > 0))
        return 1.0;
    const double ta = xOverR / (2 * std::numbers::pi * frequency);
    return std::sqrt(1 + ta / duration * (1 - std::exp(-2 * duration / ta)));
}

GridCurrent MaximumGridCurrent(const FaultData& fault) {
    if (fault.gridCurrent)
        return {1.0, *fault.gridCurrent};
    const double df = DecrementFactor(fault.xOverR, fault.frequency, fault.duration);
    return {df, df * fault.splitFactor * fault.faultCurrent};
}

}  // namespace terrovane::grid

#pragma once

#include <numbers>

#include "Shapes.h"
#include "Soil.h"

// The soils and electrodes the solver's tests start from.
namespace terrovane::electrode {

inline constexpr double kPi = std::numbers::pi;

inline Soil Uniform(double rho) {
    return Soil{{rho}, {}};
}

// A rod driven from the surface straight down.
inline Electrode Rod(double length, double radius) {
    Electrode e;
    AddRod(e, {0, 0, 0}, length, radius);
    return e;
}

}  // namespace terrovane::electrode

#pragma once

#include "GridDesign.h"

namespace terrovane::grid {

// The decrement factor for the DC offset of a fault of duration tf at the given X/R and frequency:
// Df = sqrt(1 + Ta/tf (1 - e^(-2 tf/Ta))), Ta = (X/R) / (2 pi f); 1 for X/R = 0.
double DecrementFactor(double xOverR, double frequency, double duration);

struct GridCurrent {
    double decrementFactor = 1;
    double current = 0;  // IG
};

// IG: the grid current the fault gives, or Df Sf 3I0.
GridCurrent MaximumGridCurrent(const FaultData& fault);

}  // namespace terrovane::grid

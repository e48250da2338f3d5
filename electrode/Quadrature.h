#pragma once

#include <vector>

namespace terrovane::electrode {

// A Gauss-Legendre rule on [0, 1]: nodes and weights (the weights add up to 1).
struct Rule {
    std::vector<double> nodes;
    std::vector<double> weights;
};

// The rule of the given order (1 to 64), computed once and kept.
const Rule& GaussLegendre(int order);

}  // namespace terrovane::electrode

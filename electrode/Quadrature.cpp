#include "Quadrature.h"

#include <array>
#include <cmath>
#include <mutex>
#include <numbers>
#include <stdexcept>

namespace terrovane::electrode {
namespace {

constexpr int kMaxOrder = 64;

// Nodes as the roots of the Legendre polynomial P_n found by Newton's method from Tricomi's estimate,
// weights 2 / ((1 - x^2) P_n'(x)^2) (Press et al., "Numerical Recipes", 3rd ed., 2007, section 4.6.1),
// both moved from [-1, 1] to [0, 1].
Rule Compute(int n) {
    Rule rule;
    rule.nodes.resize(n);
    rule.weights.resize(n);
    for (int i = 0; i < n; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double p0 = 1;
            double p1 = x;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            if (n == 1)
                p0 = 1;
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const double step = p1 / derivative;
            x -= step;
            if (std::fabs(step) < 1e-16)
                break;
        }
        rule.nodes[i] = (1 - x) / 2;
        rule.weights[i] = 1 / ((1 - x * x) * derivative * derivative);
    }
    return rule;
}

}  // namespace

const Rule& GaussLegendre(int order) {
    if (order < 1 || order > kMaxOrder)
        throw std::invalid_argument("no Gauss-Legendre rule of that order");
    static std::array<Rule, kMaxOrder + 1> rules;
    static std::array<std::once_flag, kMaxOrder + 1> made;
    std::call_once(made[order], [order] { rules[order] = Compute(order); });
    return rules[order];
}

}  // namespace terrovane::electrode

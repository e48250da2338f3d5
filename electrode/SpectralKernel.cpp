#include "SpectralKernel.h"

#include <Eigen/Dense>
#include <cmath>
#include <numbers>

#include "HankelFilter.h"

namespace terrovane::electrode {
namespace {

// The source's own wave rho_s exp(-lambda |z - zs|) and its derivative divided by lambda, at depth z.
struct Primary {
    double value = 0;
    double slope = 0;
};

Primary PrimaryAt(const Soil& soil, int layer, int sourceLayer, double lambda, double depth,
                  double sourceDepth) {
    if (layer != sourceLayer)
        return {};
    const double rho = soil.resistivities[sourceLayer];
    const double e = rho * std::exp(-lambda * std::fabs(depth - sourceDepth));
    // A source on the surface is the limit from below: the surface is above it.
    return {e, depth <= sourceDepth ? e : -e};
}

}  // namespace

LayerWaves SolveLayerWaves(const Soil& soil, double lambda, double sourceDepth) {
    const int n = static_cast<int>(soil.resistivities.size());
    const int s = LayerAt(soil, sourceDepth);
    const std::vector<double> bottoms = InterfaceDepths(soil);
    // Unknowns: A_0 .. A_{n-1}, then B_0 .. B_{n-2}.
    const int unknowns = 2 * n - 1;
    Eigen::MatrixXd m = Eigen::MatrixXd::Zero(unknowns, unknowns);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(unknowns);
    auto a = [](int i) { return i; };
    auto b = [n](int i) { return n + i; };
    auto decay = [&](int i) { return i < n - 1 ? std::exp(-lambda * soil.thicknesses[i]) : 0.0; };
    // No current through the surface: d phi / dz = 0 at z = 0.
    {
        const Primary p = PrimaryAt(soil, 0, s, lambda, 0, sourceDepth);
        m(0, a(0)) = -1;
        if (n > 1)
            m(0, b(0)) = decay(0);
        rhs(0) = -p.slope;
    }
    for (int i = 0; i + 1 < n; ++i) {
        const double d = bottoms[i];
        const Primary above = PrimaryAt(soil, i, s, lambda, d, sourceDepth);
        const Primary below = PrimaryAt(soil, i + 1, s, lambda, d, sourceDepth);
        const double ei = decay(i);
        const double eNext = decay(i + 1);
        const int row = 1 + 2 * i;
        // Potential: A_i e_i + B_i + p_i = A_{i+1} + B_{i+1} e_{i+1} + p_{i+1}.
        m(row, a(i)) = ei;
        m(row, b(i)) = 1;
        m(row, a(i + 1)) = -1;
        if (i + 1 < n - 1)
            m(row, b(i + 1)) = -eNext;
        rhs(row) = below.value - above.value;
        // Normal current density: (1/rho_i)(-A_i e_i + B_i + p_i') = (1/rho_{i+1})(-A_{i+1} + B_{i+1} e_{i+1}
        // + p').
        const double gi = 1 / soil.resistivities[i];
        const double gNext = 1 / soil.resistivities[i + 1];
        m(row + 1, a(i)) = -gi * ei;
        m(row + 1, b(i)) = gi;
        m(row + 1, a(i + 1)) = gNext;
        if (i + 1 < n - 1)
            m(row + 1, b(i + 1)) = -gNext * eNext;
        rhs(row + 1) = gNext * below.slope - gi * above.slope;
    }
    const Eigen::VectorXd x = m.partialPivLu().solve(rhs);
    LayerWaves waves;
    waves.down.assign(x.data(), x.data() + n);
    waves.up.assign(x.data() + n, x.data() + unknowns);
    waves.up.push_back(0);
    return waves;
}

double SpectralPotential(const Soil& soil, const LayerWaves& waves, double lambda, double depth,
                         double sourceDepth) {
    const int o = LayerAt(soil, depth);
    const int s = LayerAt(soil, sourceDepth);
    const std::vector<double> bottoms = InterfaceDepths(soil);
    const double top = o == 0 ? 0.0 : bottoms[o - 1];
    double phi = PrimaryAt(soil, o, s, lambda, depth, sourceDepth).value;
    phi += waves.down[o] * std::exp(-lambda * (depth - top));
    if (o < static_cast<int>(bottoms.size()))
        phi += waves.up[o] * std::exp(-lambda * (bottoms[o] - depth));
    return phi;
}

double PointPotentialByFilter(const Soil& soil, double r, double depth, double sourceDepth) {
    const auto kernel = [&](double lambda) {
        return SpectralPotential(soil, SolveLayerWaves(soil, lambda, sourceDepth), lambda, depth,
                                 sourceDepth);
    };
    return analysis::HankelJ0(kernel, r) / (4 * std::numbers::pi);
}

}  // namespace terrovane::electrode

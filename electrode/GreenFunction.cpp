#include "GreenFunction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "HankelFilter.h"

namespace terrovane::electrode {
namespace {

constexpr double kFourPi = 4 * std::numbers::pi;

// Four-point Lagrange interpolation at u (in table steps), 1 <= u <= size - 3.
double Interpolate(const std::vector<double>& v, double u) {
    const int j = std::clamp(static_cast<int>(u), 1, static_cast<int>(v.size()) - 3);
    const double t = u - j;
    return (-t * (t - 1) * (t - 2) * v[j - 1] + 3 * (t + 1) * (t - 1) * (t - 2) * v[j] -
            3 * (t + 1) * t * (t - 2) * v[j + 1] + (t + 1) * t * (t - 1) * v[j + 2]) /
           6;
}

// The automatic choice and the fall-backs: uniform soil needs no remainder, the image series serves two
// layers where it converges, the filter every other layered soil.
KernelMethod ChosenMethod(const Soil& soil, KernelMethod method) {
    const bool layered = soil.resistivities.size() > 1;
    if (layered && soil.resistivities.size() == 2 && method != KernelMethod::HankelFilter) {
        const double k =
            (soil.resistivities[1] - soil.resistivities[0]) / (soil.resistivities[1] + soil.resistivities[0]);
        return ImageTermsNeeded(k) ? KernelMethod::ImageSeries : KernelMethod::HankelFilter;
    }
    if (layered)
        return KernelMethod::HankelFilter;
    return method;
}

}  // namespace

GreenFunction::GreenFunction(const Soil& soil, KernelMethod method, double shortestDistance,
                             double longestDistance)
    : soil_(soil),
      layered_(soil.resistivities.size() > 1),
      method_(ChosenMethod(soil, method)),
      scale_(shortestDistance, longestDistance),
      singular_(soil),
      tables_(soil_, layered_, method_, scale_, singular_) {}

GreenFunction::~GreenFunction() = default;

double GreenFunction::Remainder(double r, int observerDepth, int sourceDepth) const {
    if (!layered_)
        return 0;
    const double u = scale_.Position(r);
    if (u > scale_.points - 3)
        return RemainderDirect(r, tables_.Depth(observerDepth), tables_.Depth(sourceDepth));
    const std::vector<double>& v = tables_.TableFor(observerDepth, sourceDepth).values;
    return u <= 1 ? v[0] : Interpolate(v, u);
}

double GreenFunction::Total(double r, int observerDepth, int sourceDepth) const {
    const double u = scale_.Position(r);
    if (u <= 1 || u > scale_.points - 3) {
        const double z = tables_.Depth(observerDepth);
        const double zs = tables_.Depth(sourceDepth);
        return singular_.AtPoint(r, z, zs, tables_.Layer(observerDepth), tables_.Layer(sourceDepth)) +
               Remainder(r, observerDepth, sourceDepth);
    }
    return Interpolate(tables_.TableFor(observerDepth, sourceDepth).scaledTotal, u) / r;
}

const std::array<Log2Centre, 256>& Log2Centres() {
    static const std::array<Log2Centre, 256> centres = [] {
        std::array<Log2Centre, 256> made{};
        for (int i = 0; i < 256; ++i) {
            const double c = 1 + (i + 0.5) / 256;
            made[i] = {std::log2(c), 1 / c};
        }
        return made;
    }();
    return centres;
}

FarField GreenFunction::FarFieldFor(int observerDepth, int sourceDepth) const {
    const RemainderTables::Table& table = tables_.TableFor(observerDepth, sourceDepth);
    FarField far;
    far.cubics = table.cubics.data();
    far.steps = scale_.points - 2;  // the last cubic starts at points - 3
    far.stepsPerLog2 = std::log10(2.0) / scale_.step;
    far.offset = std::log10(scale_.firstRadius) / scale_.step;
    return far;
}

double GreenFunction::PointPotential(Point observer, Point source) const {
    const double r = HorizontalDistance(observer, source);
    return singular_.AtPoint(r, observer.z, source.z, LayerAt(soil_, observer.z), LayerAt(soil_, source.z)) +
           RemainderDirect(r, observer.z, source.z);
}

double GreenFunction::RemainderDirect(double r, double depth, double sourceDepth) const {
    if (!layered_)
        return 0;
    const int o = LayerAt(soil_, depth);
    const int s = LayerAt(soil_, sourceDepth);
    const double analytic = singular_.AtPoint(r, depth, sourceDepth, o, s);
    if (method_ == KernelMethod::ImageSeries)
        return PointPotentialByImages(*TwoLayerImages(soil_, o, s), r, depth, sourceDepth) - analytic;
    const auto kernel = [&](double lambda) {
        const LayerWaves waves = SolveLayerWaves(soil_, lambda, sourceDepth);
        return SpectralPotential(soil_, waves, lambda, depth, sourceDepth) -
               singular_.Spectral(lambda, depth, sourceDepth, o, s);
    };
    return analysis::HankelJ0(kernel, std::max(r, scale_.firstRadius)) / kFourPi;
}

}  // namespace terrovane::electrode

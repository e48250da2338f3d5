#include "GreenFunction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "HankelFilter.h"

namespace terrovane::electrode {

struct GreenFunction::Table {
    std::once_flag made;
    std::vector<double> values;       // remainder at r_j
    std::vector<double> scaledTotal;  // r_j times the whole potential at r_j
    std::vector<double> cubics;       // the same as four-point Lagrange cubics between r_j and r_j+1
};

struct GreenFunction::Waves {
    std::once_flag made;
    std::vector<LayerWaves> atWavenumber;  // one per lagged wavenumber, the smallest first
};

namespace {

constexpr double kFourPi = 4 * std::numbers::pi;

double DirectAndMirror(double r, double depth, double sourceDepth) {
    const double below = depth - sourceDepth;
    const double above = depth + sourceDepth;
    return 1 / std::sqrt(r * r + below * below) + 1 / std::sqrt(r * r + above * above);
}

// Four-point Lagrange interpolation at u (in table steps), 1 <= u <= size - 3.
double Interpolate(const std::vector<double>& v, double u) {
    const int j = std::clamp(static_cast<int>(u), 1, static_cast<int>(v.size()) - 3);
    const double t = u - j;
    return (-t * (t - 1) * (t - 2) * v[j - 1] + 3 * (t + 1) * (t - 1) * (t - 2) * v[j] -
            3 * (t + 1) * t * (t - 2) * v[j + 1] + (t + 1) * t * (t - 1) * v[j + 2]) /
           6;
}

// Depths closer than this are one depth (a rod's points computed the same way on every rod agree anyway).
constexpr double kSameDepth = 1e-9;

}  // namespace

GreenFunction::GreenFunction(const Soil& soil, KernelMethod method, double shortestDistance,
                             double longestDistance)
    : soil_(soil) {
    layered_ = soil.resistivities.size() > 1;
    method_ = method;
    if (layered_ && soil.resistivities.size() == 2 && method != KernelMethod::HankelFilter) {
        const double k =
            (soil.resistivities[1] - soil.resistivities[0]) / (soil.resistivities[1] + soil.resistivities[0]);
        method_ = ImageTermsNeeded(k) ? KernelMethod::ImageSeries : KernelMethod::HankelFilter;
    } else if (layered_) {
        method_ = KernelMethod::HankelFilter;
    }
    for (int layer = 0; layer < static_cast<int>(soil.resistivities.size()); ++layer)
        mirrors_.push_back(MirrorsOfLayer(soil, layer));
    const auto& b = analysis::HankelAbscissae();
    step_ = std::log10(b[1] / b[0]);
    firstRadius_ = shortestDistance;
    longest_ = std::max(longestDistance, 2 * shortestDistance);
    points_ = static_cast<int>(std::ceil(std::log10(longest_ / firstRadius_) / step_)) + 4;
}

GreenFunction::~GreenFunction() = default;

int GreenFunction::RegisterDepth(double depth) {
    for (std::size_t i = 0; i < depths_.size(); ++i) {
        if (std::fabs(depths_[i] - depth) <= kSameDepth)
            return static_cast<int>(i);
    }
    const std::size_t old = depths_.size();
    depths_.push_back(depth);
    layers_.push_back(LayerAt(soil_, depth));
    std::vector<std::unique_ptr<Table>> grown((old + 1) * (old + 1));
    for (std::size_t o = 0; o < old; ++o) {
        for (std::size_t s = 0; s < old; ++s)
            grown[o * (old + 1) + s] = std::move(tables_[o * old + s]);
    }
    for (auto& slot : grown) {
        if (!slot)
            slot = std::make_unique<Table>();
    }
    tables_ = std::move(grown);
    waves_.push_back(std::make_unique<Waves>());
    return static_cast<int>(old);
}

double GreenFunction::Position(double r) const {
    return std::log10(r / firstRadius_) / step_;
}

double GreenFunction::Remainder(double r, int observerDepth, int sourceDepth) const {
    if (!layered_)
        return 0;
    const double u = Position(r);
    if (u > points_ - 3)
        return RemainderDirect(r, depths_[observerDepth], depths_[sourceDepth]);
    const std::vector<double>& v = TableFor(observerDepth, sourceDepth).values;
    return u <= 1 ? v[0] : Interpolate(v, u);
}

double GreenFunction::Total(double r, int observerDepth, int sourceDepth) const {
    const double u = Position(r);
    if (u <= 1 || u > points_ - 3) {
        const double z = depths_[observerDepth];
        const double zs = depths_[sourceDepth];
        return Analytic(r, z, zs, layers_[observerDepth], layers_[sourceDepth]) +
               Remainder(r, observerDepth, sourceDepth);
    }
    return Interpolate(TableFor(observerDepth, sourceDepth).scaledTotal, u) / r;
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
    const Table& table = TableFor(observerDepth, sourceDepth);
    FarField far;
    far.cubics = table.cubics.data();
    far.steps = points_ - 2;  // the last cubic starts at points - 3
    far.stepsPerLog2 = std::log10(2.0) / step_;
    far.offset = std::log10(firstRadius_) / step_;
    return far;
}

double GreenFunction::PointPotential(Point observer, Point source) const {
    const double r = HorizontalDistance(observer, source);
    return Analytic(r, observer.z, source.z, LayerAt(soil_, observer.z), LayerAt(soil_, source.z)) +
           RemainderDirect(r, observer.z, source.z);
}

double GreenFunction::RemainderDirect(double r, double depth, double sourceDepth) const {
    if (!layered_)
        return 0;
    const int o = LayerAt(soil_, depth);
    const int s = LayerAt(soil_, sourceDepth);
    const double analytic = Analytic(r, depth, sourceDepth, o, s);
    if (method_ == KernelMethod::ImageSeries)
        return PointPotentialByImages(*TwoLayerImages(soil_, o, s), r, depth, sourceDepth) - analytic;
    const auto kernel = [&](double lambda) {
        const LayerWaves waves = SolveLayerWaves(soil_, lambda, sourceDepth);
        return SpectralPotential(soil_, waves, lambda, depth, sourceDepth) -
               AnalyticSpectral(lambda, depth, sourceDepth, o, s);
    };
    return analysis::HankelJ0(kernel, std::max(r, firstRadius_)) / kFourPi;
}

double GreenFunction::Analytic(double r, double depth, double sourceDepth, int observerLayer,
                               int sourceLayer) const {
    double sum =
        NearFieldResistivity(soil_, observerLayer, sourceLayer) * DirectAndMirror(r, depth, sourceDepth);
    if (observerLayer == sourceLayer) {
        const InterfaceMirrors& mirrors = mirrors_[sourceLayer];
        const double rho = soil_.resistivities[sourceLayer];
        for (int m = 0; m < mirrors.count; ++m) {
            const double dz = depth - MirroredDepth(sourceDepth, mirrors.mirror[m].depth);
            sum += rho * mirrors.mirror[m].reflection / std::sqrt(r * r + dz * dz);
        }
    }
    return sum / kFourPi;
}

double GreenFunction::AnalyticSpectral(double lambda, double depth, double sourceDepth, int observerLayer,
                                       int sourceLayer) const {
    double sum =
        NearFieldResistivity(soil_, observerLayer, sourceLayer) *
        (std::exp(-lambda * std::fabs(depth - sourceDepth)) + std::exp(-lambda * (depth + sourceDepth)));
    if (observerLayer == sourceLayer) {
        const InterfaceMirrors& mirrors = mirrors_[sourceLayer];
        const double rho = soil_.resistivities[sourceLayer];
        for (int m = 0; m < mirrors.count; ++m) {
            const double dz = depth - MirroredDepth(sourceDepth, mirrors.mirror[m].depth);
            sum += rho * mirrors.mirror[m].reflection * std::exp(-lambda * std::fabs(dz));
        }
    }
    return sum;
}

const GreenFunction::Table& GreenFunction::TableFor(int observerDepth, int sourceDepth) const {
    Table& table = *tables_[static_cast<std::size_t>(observerDepth) * depths_.size() + sourceDepth];
    std::call_once(table.made, [&] {
        if (!layered_)
            table.values.assign(points_, 0.0);
        else if (method_ == KernelMethod::ImageSeries)
            FillByImages(table, observerDepth, sourceDepth);
        else
            FillByFilter(table, observerDepth, sourceDepth);
        const double z = depths_[observerDepth];
        const double zs = depths_[sourceDepth];
        const int o = layers_[observerDepth];
        const int s = layers_[sourceDepth];
        table.scaledTotal.resize(points_);
        for (int j = 0; j < points_; ++j) {
            const double r = firstRadius_ * std::pow(10.0, j * step_);
            table.scaledTotal[j] = r * (Analytic(r, z, zs, o, s) + table.values[j]);
        }
        // The cubic through v[j-1] .. v[j+2] in t = u - j, for 1 <= j <= points - 3.
        std::vector<double> v(points_);
        for (int j = 0; j < points_; ++j)
            v[j] = table.scaledTotal[j] / (firstRadius_ * std::pow(10.0, j * step_));
        table.cubics.assign(4 * static_cast<std::size_t>(points_), 0.0);
        for (int j = 1; j + 2 < points_; ++j) {
            double* c = &table.cubics[4 * static_cast<std::size_t>(j)];
            c[0] = v[j];
            c[1] = -v[j - 1] / 3 - v[j] / 2 + v[j + 1] - v[j + 2] / 6;
            c[2] = v[j - 1] / 2 - v[j] + v[j + 1] / 2;
            c[3] = -v[j - 1] / 6 + v[j] / 2 - v[j + 1] / 2 + v[j + 2] / 6;
        }
    });
    return table;
}

void GreenFunction::FillByImages(Table& table, int observerDepth, int sourceDepth) const {
    const double z = depths_[observerDepth];
    const double zs = depths_[sourceDepth];
    const int o = layers_[observerDepth];
    const int s = layers_[sourceDepth];
    const std::vector<Image> images = *TwoLayerImages(soil_, o, s);
    table.values.resize(points_);
    for (int j = 0; j < points_; ++j) {
        const double r = firstRadius_ * std::pow(10.0, j * step_);
        table.values[j] = PointPotentialByImages(images, r, z, zs) - Analytic(r, z, zs, o, s);
    }
}

// Wavenumber m of the lagged set is b_0 10^(m s) / r_0 for m = -(points - 1) .. 119: the filter's i-th
// abscissa over r_j is number i - j.
const GreenFunction::Waves& GreenFunction::WavesFor(int sourceDepth) const {
    Waves& waves = *waves_[sourceDepth];
    std::call_once(waves.made, [&] {
        const double b0 = analysis::HankelAbscissae()[0];
        const int count = points_ - 1 + static_cast<int>(analysis::kHankelPoints);
        waves.atWavenumber.reserve(count);
        for (int m = 0; m < count; ++m) {
            const double lambda = b0 * std::pow(10.0, (m - (points_ - 1)) * step_) / firstRadius_;
            waves.atWavenumber.push_back(SolveLayerWaves(soil_, lambda, depths_[sourceDepth]));
        }
    });
    return waves;
}

void GreenFunction::FillByFilter(Table& table, int observerDepth, int sourceDepth) const {
    const double z = depths_[observerDepth];
    const double zs = depths_[sourceDepth];
    const int o = layers_[observerDepth];
    const int s = layers_[sourceDepth];
    const Waves& waves = WavesFor(sourceDepth);
    const double b0 = analysis::HankelAbscissae()[0];
    const int count = static_cast<int>(waves.atWavenumber.size());
    std::vector<double> kernel(count);
    for (int m = 0; m < count; ++m) {
        const double lambda = b0 * std::pow(10.0, (m - (points_ - 1)) * step_) / firstRadius_;
        kernel[m] = SpectralPotential(soil_, waves.atWavenumber[m], lambda, z, zs) -
                    AnalyticSpectral(lambda, z, zs, o, s);
    }
    const auto& w = analysis::HankelWeights();
    table.values.resize(points_);
    for (int j = 0; j < points_; ++j) {
        const double r = firstRadius_ * std::pow(10.0, j * step_);
        double sum = 0;
        for (std::size_t i = 0; i < analysis::kHankelPoints; ++i)
            sum += kernel[static_cast<int>(i) - j + points_ - 1] * w[i];
        table.values[j] = sum / (r * kFourPi);
    }
}

}  // namespace terrovane::electrode

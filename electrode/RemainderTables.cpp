#include "RemainderTables.h"

#include <cmath>
#include <numbers>

#include "HankelFilter.h"
#include "SpectralKernel.h"
#include "TwoLayerImages.h"

namespace terrovane::electrode {

struct RemainderTables::Waves {
    std::once_flag made;
    std::vector<LayerWaves> atWavenumber;  // one per lagged wavenumber, the smallest first
};

namespace {

constexpr double kTableFourPi = 4 * std::numbers::pi;

// Depths closer than this are one depth (a rod's points computed the same way on every rod agree anyway).
constexpr double kSameDepth = 1e-9;

}  // namespace

RemainderTables::RemainderTables(const Soil& soil, bool layered, KernelMethod method,
                                 const RadialScale& scale, const SingularTerms& singular)
    : soil_(soil), layered_(layered), method_(method), scale_(scale), singular_(singular) {}

RemainderTables::~RemainderTables() = default;

int RemainderTables::RegisterDepth(double depth) {
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

const RemainderTables::Table& RemainderTables::TableFor(int observerDepth, int sourceDepth) const {
    Table& table = *tables_[static_cast<std::size_t>(observerDepth) * depths_.size() + sourceDepth];
    std::call_once(table.made, [&] {
        if (!layered_)
            table.values.assign(scale_.points, 0.0);
        else if (method_ == KernelMethod::ImageSeries)
            FillByImages(table, observerDepth, sourceDepth);
        else
            FillByFilter(table, observerDepth, sourceDepth);
        const double z = depths_[observerDepth];
        const double zs = depths_[sourceDepth];
        const int o = layers_[observerDepth];
        const int s = layers_[sourceDepth];
        table.scaledTotal.resize(scale_.points);
        for (int j = 0; j < scale_.points; ++j) {
            const double r = scale_.RadiusAt(j);
            table.scaledTotal[j] = r * (singular_.AtPoint(r, z, zs, o, s) + table.values[j]);
        }
        // The cubic through v[j-1] .. v[j+2] in t = u - j, for 1 <= j <= points - 3.
        std::vector<double> v(scale_.points);
        for (int j = 0; j < scale_.points; ++j)
            v[j] = table.scaledTotal[j] / scale_.RadiusAt(j);
        table.cubics.assign(4 * static_cast<std::size_t>(scale_.points), 0.0);
        for (int j = 1; j + 2 < scale_.points; ++j) {
            double* c = &table.cubics[4 * static_cast<std::size_t>(j)];
            c[0] = v[j];
            c[1] = -v[j - 1] / 3 - v[j] / 2 + v[j + 1] - v[j + 2] / 6;
            c[2] = v[j - 1] / 2 - v[j] + v[j + 1] / 2;
            c[3] = -v[j - 1] / 6 + v[j] / 2 - v[j + 1] / 2 + v[j + 2] / 6;
        }
    });
    return table;
}

void RemainderTables::FillByImages(Table& table, int observerDepth, int sourceDepth) const {
    const double z = depths_[observerDepth];
    const double zs = depths_[sourceDepth];
    const int o = layers_[observerDepth];
    const int s = layers_[sourceDepth];
    const std::vector<Image> images = *TwoLayerImages(soil_, o, s);
    table.values.resize(scale_.points);
    for (int j = 0; j < scale_.points; ++j) {
        const double r = scale_.RadiusAt(j);
        table.values[j] = PointPotentialByImages(images, r, z, zs) - singular_.AtPoint(r, z, zs, o, s);
    }
}

const RemainderTables::Waves& RemainderTables::WavesFor(int sourceDepth) const {
    Waves& waves = *waves_[sourceDepth];
    std::call_once(waves.made, [&] {
        const int count = scale_.points - 1 + static_cast<int>(analysis::kHankelPoints);
        waves.atWavenumber.reserve(count);
        for (int m = 0; m < count; ++m) {
            const double lambda = scale_.LaggedWavenumber(m);
            waves.atWavenumber.push_back(SolveLayerWaves(soil_, lambda, depths_[sourceDepth]));
        }
    });
    return waves;
}

void RemainderTables::FillByFilter(Table& table, int observerDepth, int sourceDepth) const {
    const double z = depths_[observerDepth];
    const double zs = depths_[sourceDepth];
    const int o = layers_[observerDepth];
    const int s = layers_[sourceDepth];
    const Waves& waves = WavesFor(sourceDepth);
    const int count = static_cast<int>(waves.atWavenumber.size());
    std::vector<double> kernel(count);
    for (int m = 0; m < count; ++m) {
        const double lambda = scale_.LaggedWavenumber(m);
        kernel[m] = SpectralPotential(soil_, waves.atWavenumber[m], lambda, z, zs) -
                    singular_.Spectral(lambda, z, zs, o, s);
    }
    const auto& w = analysis::HankelWeights();
    table.values.resize(scale_.points);
    for (int j = 0; j < scale_.points; ++j) {
        const double r = scale_.RadiusAt(j);
        double sum = 0;
        for (std::size_t i = 0; i < analysis::kHankelPoints; ++i)
            sum += kernel[static_cast<int>(i) - j + scale_.points - 1] * w[i];
        table.values[j] = sum / (r * kTableFourPi);
    }
}

}  // namespace terrovane::electrode

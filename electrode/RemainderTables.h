#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "RadialScale.h"
#include "SingularTerms.h"
#include "Soil.h"

namespace terrovane::electrode {

// How the layered part of the soil's point-source potential is computed.
enum class KernelMethod {
    Automatic,     // none in uniform soil, the image series in two layers where it converges, else the filter
    ImageSeries,   // two layers only; the filter where the series would not converge
    HankelFilter,  // any number of layers
};

// The smooth remainder of the point-source potential, tabulated once per pair of registered depths over
// the radial scale, by the image series or by the filter with each source depth's layer system solved once
// per lagged wavenumber. Tables are made on first use from any thread; depths are registered before use
// (not thread-safe). Refers to the soil, scale and singular terms of its owner, which outlive it.
class RemainderTables {
  public:
    struct Table {
        std::once_flag made;
        std::vector<double> values;       // remainder at r_j
        std::vector<double> scaledTotal;  // r_j times the whole potential at r_j
        std::vector<double> cubics;       // the same as four-point Lagrange cubics between r_j and r_j+1
    };

    RemainderTables(const Soil& soil, bool layered, KernelMethod method, const RadialScale& scale,
                    const SingularTerms& singular);
    ~RemainderTables();
    RemainderTables(const RemainderTables&) = delete;
    RemainderTables& operator=(const RemainderTables&) = delete;

    int RegisterDepth(double depth);
    double Depth(int index) const { return depths_[index]; }
    int Layer(int index) const { return layers_[index]; }
    const Table& TableFor(int observerDepth, int sourceDepth) const;

  private:
    struct Waves;
    const Waves& WavesFor(int sourceDepth) const;
    void FillByImages(Table& table, int observerDepth, int sourceDepth) const;
    void FillByFilter(Table& table, int observerDepth, int sourceDepth) const;

    const Soil& soil_;
    bool layered_;
    KernelMethod method_;
    const RadialScale& scale_;
    const SingularTerms& singular_;
    std::vector<double> depths_;
    std::vector<int> layers_;
    std::vector<std::unique_ptr<Table>> tables_;  // depths_.size() squared, observer major
    std::vector<std::unique_ptr<Waves>> waves_;   // one per depth as a source
};

}  // namespace terrovane::electrode

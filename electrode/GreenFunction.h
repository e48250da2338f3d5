#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "Geometry.h"
#include "Soil.h"
#include "SpectralKernel.h"
#include "TwoLayerImages.h"

namespace terrovane::electrode {

// How the layered part of the soil's point-source potential is computed.
enum class KernelMethod {
    Automatic,     // none in uniform soil, the image series in two layers where it converges, else the filter
    ImageSeries,   // two layers only; the filter where the series would not converge
    HankelFilter,  // any number of layers
};

// The potential of a point source of 1 A in the soil, split in two:
//   G = rho_nf / (4 pi) (1/R + 1/R') + remainder(r; z, zs),
// R to the source and R' to its mirror image in the surface, rho_nf the near-field resistivity (the
// source's layer, or the transmitted value across an interface). The first part is what makes G singular
// and is integrated along segments exactly; the remainder is smooth wherever source and observer are apart
// from an interface, so it is tabulated once per pair of depths on a logarithmic scale of r and
// interpolated. The table's points are the filter's own (r_j = r_0 10^(j s), s its step), so all of a
// table's Hankel transforms share 120 + points wavenumbers and each source depth's layer system is solved
// once per wavenumber (Anderson's lagged convolution, "Numerical integration of related Hankel transforms
// by quadrature and continued fraction expansion", Geophysics 48(12), 1983).
//
// Depths are registered before use (not thread-safe); Remainder may then be called from any thread.
class GreenFunction {
public:
    GreenFunction(const Soil& soil, KernelMethod method, double shortestDistance, double longestDistance);
    ~GreenFunction();

    const Soil& soil() const { return soil_; }
    // False in uniform soil, where the first part is the whole potential.
    bool Layered() const { return layered_; }
    // The method the remainder comes from after the automatic choice and the fall-backs.
    KernelMethod MethodUsed() const { return method_; }

    int RegisterDepth(double depth);
    double Depth(int index) const { return depths_[index]; }
    int Layer(int index) const { return layers_[index]; }

    double Remainder(double r, int observerDepth, int sourceDepth) const;

    // The whole potential of a point source, without the tables (for checks and single points).
    double PointPotential(Point observer, Point source) const;
    double RemainderDirect(double r, double depth, double sourceDepth) const;

private:
    struct Table;
    struct Waves;
    const Table& TableFor(int observerDepth, int sourceDepth) const;
    const Waves& WavesFor(int sourceDepth) const;
    void FillByImages(Table& table, int observerDepth, int sourceDepth) const;
    void FillByFilter(Table& table, int observerDepth, int sourceDepth) const;
    double AnalyticSpectral(double lambda, double depth, double sourceDepth, double rho) const;

    Soil soil_;
    bool layered_ = false;
    KernelMethod method_ = KernelMethod::Automatic;
    double firstRadius_ = 0;
    double step_ = 0;  // log10 of the ratio of neighbouring points
    int points_ = 0;
    double longest_ = 0;
    std::vector<double> depths_;
    std::vector<int> layers_;
    std::vector<std::unique_ptr<Table>> tables_;  // depths_.size() squared, observer major
    std::vector<std::unique_ptr<Waves>> waves_;   // one per depth as a source
};

}  // namespace terrovane::electrode

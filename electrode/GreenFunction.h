#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "Geometry.h"
#include "RadialScale.h"
#include "RemainderTables.h"
#include "SingularTerms.h"
#include "Soil.h"
#include "SpectralKernel.h"
#include "TwoLayerImages.h"

namespace terrovane::electrode {

// The potential of a point source of 1 A in the soil, split in two:
//   G = rho_nf / (4 pi) (1/R + 1/R') + [same layer] sum rho_s K / (4 pi R'') + remainder(r; z, zs),
// R to the source, R' to its mirror image in the surface and R'' to its images in the interfaces of its
// layer (InterfaceMirrors), rho_nf the near-field resistivity (the source's layer, or the transmitted value
// across an interface). The first part is what makes G singular and is integrated along segments exactly;
// the remainder is smooth wherever source and observer are apart
// from an interface, so it is tabulated once per pair of depths on a logarithmic scale of r and
// interpolated. The table's points are the filter's own (r_j = r_0 10^(j s), s its step), so all of a
// table's Hankel transforms share 120 + points wavenumbers and each source depth's layer system is solved
// once per wavenumber (Anderson's lagged convolution, "Numerical integration of related Hankel transforms
// by quadrature and continued fraction expansion", Geophysics 48(12), 1983).
//
// A table of G(r) as cubic pieces in log r, for evaluating many far sources quickly (at the table's 0.09
// decades a cubic follows 1/r to 5e-5).
struct FarField {
    const double* cubics = nullptr;  // four coefficients per step, in the step's fraction t
    int steps = 0;
    double stepsPerLog2 = 0;  // table steps per unit of log2 r
    double offset = 0;        // the step of r = 1 m
};

// log2 of a normal double x > 0 to about 1e-10 without a division: the far field is summed over every point
// and segment of a map, where the library's log is the larger part of the cost. The mantissa m is split at
// its first eight bits, m = c (1 + d) with c from a table of 256 centres and |d| < 1/512, and log2(1 + d)
// taken from its series.
struct Log2Centre {
    double log2;     // log2 c
    double inverse;  // 1 / c
};
const std::array<Log2Centre, 256>& Log2Centres();

inline double FastLog2(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    const double mantissa = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
    const Log2Centre& centre = Log2Centres()[(bits >> 44) & 0xff];
    const double d = mantissa * centre.inverse - 1;
    const double series = d * (1 - d * (0.5 - d * (1.0 / 3 - d * 0.25)));
    return exponent + centre.log2 + series * 1.4426950408889634;
}

// G(r) at squared horizontal distance r2, or NaN where r lies outside the table.
inline double EvaluateFarField(const FarField& far, double r2) {
    const double u = 0.5 * FastLog2(r2) * far.stepsPerLog2 - far.offset;
    if (!(u >= 1 && u < far.steps))
        return std::numeric_limits<double>::quiet_NaN();
    const int j = static_cast<int>(u);
    const double t = u - j;
    const double* c = far.cubics + 4 * j;
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

// Depths are registered before use (not thread-safe); Remainder may then be called from any thread. The
// singular terms, the radial scale and the remainder's tables are its parts.
class GreenFunction {
  public:
    GreenFunction(const Soil& soil, KernelMethod method, double shortestDistance, double longestDistance);
    ~GreenFunction();

    const Soil& soil() const { return soil_; }
    // False in uniform soil, where the first part is the whole potential.
    bool Layered() const { return layered_; }
    // The method the remainder comes from after the automatic choice and the fall-backs.
    KernelMethod MethodUsed() const { return method_; }

    int RegisterDepth(double depth) { return tables_.RegisterDepth(depth); }
    double Depth(int index) const { return tables_.Depth(index); }
    int Layer(int index) const { return tables_.Layer(index); }

    double Remainder(double r, int observerDepth, int sourceDepth) const;
    // The whole potential of a point source from the tables (r times it is interpolated, which is smooth
    // away from the source): for sources many segment lengths away, where one lookup replaces the exact
    // line integral.
    double Total(double r, int observerDepth, int sourceDepth) const;
    FarField FarFieldFor(int observerDepth, int sourceDepth) const;

    // The whole potential of a point source, without the tables (for checks and single points).
    double PointPotential(Point observer, Point source) const;
    double RemainderDirect(double r, double depth, double sourceDepth) const;
    const InterfaceMirrors& MirrorsOf(int layer) const { return singular_.MirrorsOf(layer); }

  private:
    // Declared in this order: the tables refer to the soil, the scale and the singular terms.
    Soil soil_;
    bool layered_ = false;
    KernelMethod method_ = KernelMethod::Automatic;
    RadialScale scale_;
    SingularTerms singular_;
    RemainderTables tables_;
};

}  // namespace terrovane::electrode

// Tagg's slope method (G. F. Tagg, "Measurement of the resistance of physically large earth-electrode
// systems", Proc. IEE 117(11), 2185-2190, 1970). Its table of Pt/C against mu follows from a hemispherical
// electrode whose electrical centre lies an unknown distance d behind the point the probe distances are
// measured from: with everything in units of D,
//   R(x) = const - rho/(2 pi) (1/(x + d) - 1/(1 - x)),
// mu = (R(0.6) - R(0.4)) / (R(0.4) - R(0.2)) grows with d, and the true resistance is read where
// 1/(x + d) - 1/(1 - x) + 1/(1 + d) = 0, which is x = 0.618 - 0.382 d. The table is computed here from
// that model rather than typed, over the range the method is used in (mu 0.40 to 1.59). It agrees to three
// decimals with the printed table's entries that could be checked (mu 0.40 -> 0.643, 0.45 -> 0.636,
// 0.50 -> 0.629), and gives for instance 0.60 -> 0.614, 1.00 -> 0.542, 1.59 -> 0.341.
#include <cmath>
#include <optional>

#include "FallOfPotential.h"

namespace terrovane::analysis {
namespace {

constexpr double kLowestMu = 0.40;
constexpr double kHighestMu = 1.59;

double Curve(double x, double offset) {
    return -1.0 / (x + offset) + 1.0 / (1.0 - x);
}

double MuOf(double offset) {
    return (Curve(0.6, offset) - Curve(0.4, offset)) / (Curve(0.4, offset) - Curve(0.2, offset));
}

}  // namespace

std::optional<double> SlopePtOverC(double mu) {
    if (!(mu >= kLowestMu && mu <= kHighestMu))
        return std::nullopt;
    // mu rises steadily with the offset, from 0 at d = -0.2 towards 2 as d grows; bisect for d.
    double low = -0.2 + 1e-9;
    double high = 10.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (MuOf(middle) < mu ? low : high) = middle;
    }
    const double offset = 0.5 * (low + high);
    const double golden = (std::sqrt(5.0) - 1.0) / 2.0;
    return golden - (1.0 - golden) * offset;
}

}  // namespace terrovane::analysis

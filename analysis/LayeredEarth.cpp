#include "LayeredEarth.h"

#include <cmath>

#include "HankelFilter.h"

namespace terrovane::analysis {
namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// The integral of (T(lambda) - rho1) J0(lambda r): the part of the surface potential (times 2 pi / I)
// that the layers below add to a uniform top layer. The kernel tends to rho_N - rho1 at small lambda and
// to 0 at large lambda, which the filter takes in its stride.
double LayerPart(const LayeredEarth& earth, double r) {
    const double top = earth.resistivities.front();
    return HankelJ0([&](double lambda) { return ResistivityTransform(earth, lambda) - top; }, r);
}

// 1/sqrt(1 + x^2) - 1/sqrt(4 + x^2): positive and falling for x >= 0.
double ImageTerm(double x) {
    return 1.0 / std::sqrt(1.0 + x * x) - 1.0 / std::sqrt(4.0 + x * x);
}

// tanh through one exponential, and exactly 1 once it no longer differs from it in a double.
double Tanh(double x) {
    const double e = x > 19.0 ? 0.0 : std::exp(-2.0 * x);
    return (1.0 - e) / (1.0 + e);
}

// The transform at lambda and its derivatives by ln rho_j and ln h_j, added (times `weight`) to `sums`.
// T_i = rho_i (T_i+1 + rho_i t_i) / (rho_i + T_i+1 t_i) with t_i = tanh(lambda h_i); the chain factor
// dT_1/dT_j is carried from the top down.
double AddTransformGradient(const LayeredEarth& earth, double lambda, double weight,
                            std::vector<double>& sums, std::vector<double>& below,
                            std::vector<double>& tanhs) {
    const std::size_t n = earth.resistivities.size();
    double transform = earth.resistivities[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) {
        const double rho = earth.resistivities[i];
        below[i] = transform;  // T_i+1
        tanhs[i] = Tanh(lambda * earth.thicknesses[i]);
        transform = rho * (transform + rho * tanhs[i]) / (rho + transform * tanhs[i]);
    }
    double chain = 1.0;  // dT_1/dT_i
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double rho = earth.resistivities[i];
        const double t = tanhs[i];
        const double tb = below[i];
        const double numerator = tb + rho * t;
        const double denominator = rho + tb * t;
        const double squared = denominator * denominator;
        const double byRho = numerator / denominator + rho * tb * (t * t - 1.0) / squared;
        const double byTanh = rho * (rho * rho - tb * tb) / squared;
        const double lh = lambda * earth.thicknesses[i];
        sums[i] += weight * chain * byRho * rho;
        sums[n + i] += weight * chain * byTanh * lh * (1.0 - t * t);
        chain *= rho * rho * (1.0 - t * t) / squared;
    }
    sums[n - 1] += weight * chain * earth.resistivities[n - 1];
    return transform;
}

// c_near S(r_near) - c_far S(r_far) with S(r) = sum_i T(b_i / r) w_i, and its derivatives: with the
// filter's weights adding up to 1 the apparent resistivity of either array takes this form.
double TwoDistancesWithGradient(const LayeredEarth& earth, double nearWeight, double near, double farWeight,
                                double far, std::vector<double>& gradient) {
    const std::size_t n = earth.resistivities.size();
    gradient.assign(2 * n - 1, 0.0);
    std::vector<double> below(n);
    std::vector<double> tanhs(n);
    const auto& b = HankelAbscissae();
    const auto& w = HankelWeights();
    double value = 0.0;
    for (std::size_t i = 0; i < kHankelPoints; ++i) {
        value += nearWeight * w[i] *
                 AddTransformGradient(earth, b[i] / near, nearWeight * w[i], gradient, below, tanhs);
        value -= farWeight * w[i] *
                 AddTransformGradient(earth, b[i] / far, -farWeight * w[i], gradient, below, tanhs);
    }
    return value;
}

}  // namespace

std::string CheckModel(const LayeredEarth& earth) {
    if (earth.resistivities.empty())
        return "the model has no layer";
    if (earth.thicknesses.size() + 1 != earth.resistivities.size())
        return "the model needs one thickness fewer than resistivities";
    for (double rho : earth.resistivities) {
        if (!Positive(rho))
            return "a layer's resistivity is not a positive number";
    }
    for (double h : earth.thicknesses) {
        if (!Positive(h))
            return "a layer's thickness is not a positive number";
    }
    return {};
}

double ResistivityTransform(const LayeredEarth& earth, double lambda) {
    const std::size_t n = earth.resistivities.size();
    double transform = earth.resistivities[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) {
        const double rho = earth.resistivities[i];
        const double t = Tanh(lambda * earth.thicknesses[i]);
        transform = rho * (transform + rho * t) / (rho + transform * t);
    }
    return transform;
}

double WennerByFilter(const LayeredEarth& earth, double spacing) {
    // rho_a = 2 pi a (V(a) - V(2a)) * 2 / I with V(r) = I/(2 pi) (rho1/r + LayerPart(r)).
    const double top = earth.resistivities.front();
    if (earth.resistivities.size() == 1)
        return top;
    return top + 2.0 * spacing * (LayerPart(earth, spacing) - LayerPart(earth, 2.0 * spacing));
}

double WennerByFilterWithGradient(const LayeredEarth& earth, double spacing, std::vector<double>& gradient) {
    // rho_a = 2 S(a) - S(2a), as WennerByFilter with the top layer's share folded into S.
    return TwoDistancesWithGradient(earth, 2.0, spacing, 1.0, 2.0 * spacing, gradient);
}

double SchlumbergerByFilterWithGradient(const LayeredEarth& earth, double ab2, double mn2,
                                        std::vector<double>& gradient) {
    // SchlumbergerByFilter's G (rho1 / r + LayerPart(r)) is G S(r) / r at r = AB/2 -+ MN/2, and
    // G / (L - l) = (L + l) / 2l, G / (L + l) = (L - l) / 2l.
    return TwoDistancesWithGradient(earth, (ab2 + mn2) / (2.0 * mn2), ab2 - mn2, (ab2 - mn2) / (2.0 * mn2),
                                    ab2 + mn2, gradient);
}

double SchlumbergerByFilter(const LayeredEarth& earth, double ab2, double mn2) {
    // rho_a = G (V(AB/2 - MN/2) - V(AB/2 + MN/2)) * 2 pi * 2 / I, G = ((AB/2)^2 - (MN/2)^2) / (2 MN/2): the
    // four-electrode formula rho_a = 2 pi (dV / I) / (1/AM - 1/BM - 1/AN + 1/BN) with AM = BN = L - l and
    // BM = AN = L + l (Telford, Geldart and Sheriff, Applied Geophysics, 2nd ed. 1990, section 8.5.3).
    const double top = earth.resistivities.front();
    if (earth.resistivities.size() == 1)
        return top;
    const double near = ab2 - mn2;
    const double far = ab2 + mn2;
    const double geometry = (ab2 * ab2 - mn2 * mn2) / (2.0 * mn2);
    return geometry * (top / near - top / far + LayerPart(earth, near) - LayerPart(earth, far));
}

ImageSeries TwoLayerWennerImages(double rho1, double rho2, double thickness, double spacing) {
    constexpr double kTolerance = 1e-7;
    const double k = (rho2 - rho1) / (rho2 + rho1);
    const double magnitude = std::fabs(k);
    const double ratio = 2.0 * thickness / spacing;                 // x of term n is n * ratio
    const double cubicBound = 3.0 / (4.0 * ratio * ratio * ratio);  // 3a^3/(32h^3) = 3/(4 ratio^3)
    ImageSeries series;
    double sum = 0.0;
    double power = 1.0;  // |K|^n
    double signedPower = 1.0;
    for (int n = 1; n <= kMaxImageTerms; ++n) {
        power *= magnitude;
        signedPower *= k;
        sum += signedPower * ImageTerm(n * ratio);
        series.terms = n;
        const double next = power * magnitude;
        double tail = next * cubicBound / (static_cast<double>(n) * n);
        if (magnitude < 1.0)
            tail = std::fmin(tail, next * ImageTerm((n + 1) * ratio) / (1.0 - magnitude));
        if (4.0 * tail <= kTolerance * std::fabs(1.0 + 4.0 * sum) || next == 0.0) {
            series.converged = true;
            break;
        }
    }
    series.apparentResistivity = rho1 * (1.0 + 4.0 * sum);
    return series;
}

double WennerApparentResistivity(const LayeredEarth& earth, double spacing) {
    if (earth.resistivities.size() == 1)
        return earth.resistivities.front();
    if (earth.resistivities.size() == 2) {
        const ImageSeries series = TwoLayerWennerImages(earth.resistivities[0], earth.resistivities[1],
                                                        earth.thicknesses[0], spacing);
        if (series.converged)
            return series.apparentResistivity;
    }
    return WennerByFilter(earth, spacing);
}

}  // namespace terrovane::analysis

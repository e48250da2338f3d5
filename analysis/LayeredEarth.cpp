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
        const double t = std::tanh(lambda * earth.thicknesses[i]);
        transform = (transform + rho * t) / (1.0 + transform * t / rho);
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

double SchlumbergerByFilter(const LayeredEarth& earth, double ab2, double mn2) {
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

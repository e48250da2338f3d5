#pragma once

#include <string>
#include <vector>

namespace terrovane::analysis {

// Horizontal layers over a half-space: resistivities in ohm-metres from the top down, and the thickness in
// metres of every layer but the last (which goes on for ever).
struct LayeredEarth {
    std::vector<double> resistivities;
    std::vector<double> thicknesses;

    std::size_t LayerCount() const { return resistivities.size(); }
};

// Empty when the model can be computed: at least one layer, one thickness fewer than resistivities, every
// value finite and above zero. Otherwise what is wrong.
std::string CheckModel(const LayeredEarth& earth);

// The resistivity transform at wavenumber lambda (1/m), by the recurrence from the bottom layer up.
double ResistivityTransform(const LayeredEarth& earth, double lambda);

// Wenner apparent resistivity at electrode spacing a (m) through the Hankel transform of the
// layered-earth kernel with the published digital filter; any number of layers.
double WennerByFilter(const LayeredEarth& earth, double spacing);

// The same with its derivatives by the logarithm of each parameter, in the order ln rho_1 .. ln rho_N,
// ln h_1 .. ln h_N-1 (what the soil fit's Jacobian needs, at the cost of about two evaluations).
double WennerByFilterWithGradient(const LayeredEarth& earth, double spacing, std::vector<double>& gradient);

// Schlumberger apparent resistivity, current electrodes at +-ab2 and potential electrodes at +-mn2 (m)
// from the centre, mn2 < ab2; any number of layers.
double SchlumbergerByFilter(const LayeredEarth& earth, double ab2, double mn2);
// The same with its derivatives by the logarithm of each parameter, ordered as WennerByFilterWithGradient's.
double SchlumbergerByFilterWithGradient(const LayeredEarth& earth, double ab2, double mn2,
                                        std::vector<double>& gradient);

// The two-layer Wenner image series and how it ended.
struct ImageSeries {
    double apparentResistivity = 0.0;
    int terms = 0;
    bool converged = false;  // the bound on the terms left fell below the tolerance within the term limit
};

// rho_a = rho1 (1 + 4 sum_n K^n [1/sqrt(1 + (2nh/a)^2) - 1/sqrt(4 + (2nh/a)^2)]), K = (rho2 - rho1) /
// (rho2 + rho1). Each bracket is positive, falls with n and stays below 3/(2 (2nh/a)^3), so after N terms
// what is left is at most |K|^(N+1) times the smaller of f(N+1)/(1-|K|) and 3a^3/(32 h^3 N^2). The series
// stops once four times that bound is below 1e-7 of the sum (readings are never better than 0.1 %). That
// takes a few dozen terms unless |K| is close to 1 and the top layer is not thick against the spacing, where
// the tail falls only as 1/N^2 and could need millions: after kMaxImageTerms it stops unconverged (and the
// fit uses the filter instead, which costs about as much as a few hundred terms and has no such weakness).
inline constexpr int kMaxImageTerms = 150;
ImageSeries TwoLayerWennerImages(double rho1, double rho2, double thickness, double spacing);

// The Wenner apparent resistivity the soil fit uses: exact for one layer, the image series for two (the
// filter where the series does not converge), the filter for more.
double WennerApparentResistivity(const LayeredEarth& earth, double spacing);

}  // namespace terrovane::analysis

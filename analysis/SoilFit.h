#pragma once

#include <optional>
#include <string>
#include <vector>

#include "LayeredEarth.h"
#include "Refusal.h"
#include "Sounding.h"

namespace terrovane::analysis {

// One fitted layer. A sigma is the one-standard-deviation uncertainty from the covariance at the optimum;
// it is infinite where the data do not determine the value (and NaN when there are no more points than
// parameters, so nothing is left to estimate the scatter from). The last layer has no thickness.
struct FittedLayer {
    double resistivity = 0.0;
    double resistivitySigma = 0.0;
    std::optional<double> thickness;
    std::optional<double> thicknessSigma;
    // Whether the data determine the layer: its resistivity and (but for the last) its thickness known
    // to within 50 % at one sigma, and its bottom no deeper than the sounding can sense (JudgeResolved).
    bool resolved = false;
};

// A Wenner array of spacing a feels an interface at depth h only weakly once h is beyond a few a: even
// an infinitely contrasting layer below 3 a moves the apparent resistivity by about 3 %, within what
// readings of that size scatter by, and below 5 a by less than 1 %. An interface deeper than this many
// times the longest spacing is therefore a value the sounding could not have seen, however narrow the
// fit's sigma (a fit of three points can put one at 100 km).
inline constexpr double kSensedDepthPerSpacing = 3.0;

// The largest RMS misfit a sounding of horizontally layered ground can have: a reading is good to a few
// per cent and the near-surface scatter between neighbouring spacings adds perhaps 5 to 10 %. A model
// that misses its points by more than 20 % does not describe the ground the points came from (lateral
// changes, a wrong reading, a spacing mistyped), so its values are no basis for a verdict.
inline constexpr double kMaxSoundingRmsPercent = 20.0;

// The model's apparent resistivity where a reading was taken, by its own array: Wenner at its spacing
// (WennerApparentResistivity), Schlumberger at its AB/2 and MN/2 (SchlumbergerByFilter).
double ModelApparentResistivity(const LayeredEarth& earth, const SoundingPoint& reading);
// The same by the filter with its derivatives by the logarithmic parameters (WennerByFilterWithGradient).
double ModelApparentResistivityWithGradient(const LayeredEarth& earth, const SoundingPoint& reading,
                                            std::vector<double>& gradient);

// Where a reading at `spacing` would have been taken along the sounding, for a model curve between its
// readings: Wenner where the sounding has no Schlumberger reading, else Schlumberger with MN/2 the same
// fraction of AB/2 as at the readings either side (interpolated on the logarithm of the spacing), as at the
// first or last reading beyond them. At a reading's own spacing its own geometry.
SoundingPoint ReadingAt(const Sounding& sounding, double spacing);

// The Wenner spacing that reaches as deep as the reading: its spacing for Wenner, 2/3 of AB/2 for
// Schlumberger (the Wenner array with the same current electrodes). LongestReach: the largest of a
// sounding's, what JudgeResolved takes as its longest spacing.
double WennerReach(const SoundingPoint& reading);
double LongestReach(const Sounding& sounding);

// Sets each layer's `resolved` from its sigmas (within 50 % at one sigma) and from the depth of its bottom
// against `longestSpacing` (kSensedDepthPerSpacing; not judged without a spacing, as for a model
// typed in by its values).
void JudgeResolved(std::vector<FittedLayer>& layers, double longestSpacing);

struct FittedPoint {
    double spacing = 0.0;
    double measured = 0.0;
    double model = 0.0;
    double residualPercent = 0.0;  // 100 (measured - model) / measured
    SoundingArray array = SoundingArray::Wenner;
    double mn2 = 0.0;  // a Schlumberger reading's MN/2
};

// The outcome of a soil fit. With `error` set the data were refused and nothing else is filled.
struct [[nodiscard]] SoilFit {
    std::string error;
    Refusal refusal;         // the same as a code, for the windows
    bool converged = false;  // false: the solver stopped without converging; the best model found is given
    std::string solverNote;  // why it stopped, when it did not converge
    LayeredEarth model;
    std::vector<FittedLayer> layers;
    double rmsPercent = 0.0;  // root mean square of the points' residuals in percent
    std::vector<FittedPoint> points;
    double bic = 0.0;           // n ln(RSS/n) + k ln(n) on the logarithmic residuals
    double sumOfSquares = 0.0;  // RSS of the logarithmic residuals
    // The covariance of the logarithmic parameters (ln rho_1 .. ln rho_N, ln h_1 .. ln h_N-1) at the
    // optimum, row by row, scaled like the sigmas; empty when the scatter cannot be estimated. What a
    // band of the model curve needs: its parameters are correlated.
    std::vector<double> logCovariance;
    int iterations = 0;
    std::vector<std::string> leftOut;  // results the caller left out and why (not filled by the fit)

    bool Ok() const { return error.empty(); }
};

inline constexpr int kMaxLayers = 3;

struct SoilFitOptions {
    int maxIterations = 100;  // per solver run
};

// Fits `layerCount` horizontal layers (1 to kMaxLayers) to a sounding, each reading by its own array
// (ModelApparentResistivity), by least squares on the
// logarithm of the apparent resistivity, the parameters being the logarithms of the resistivities and
// thicknesses, with GSL's Levenberg-Marquardt solver started from several models made from the data.
// Refused (error set): a bad sounding (CheckSounding), fewer points than parameters (2 N - 1).
SoilFit FitSoil(const Sounding& sounding, int layerCount, const SoilFitOptions& options = {});

// Whether `more` layers are worth keeping over `fewer` for a sounding of `points` points: the added
// parameters lower the misfit by more than noise explains (an F-test at 95 %), and every layer of the
// larger model is resolved (its resistivity and thickness within 50 % at one sigma).
bool KeepsMoreLayers(const SoilFit& fewer, const SoilFit& more, std::size_t points);

// Fits 1 layer, then 2 and 3 (while a point is left over beyond the parameters), keeping a larger model
// only where KeepsMoreLayers says so against the one kept so far: the fewest layers the data resolve. A
// fit that did not converge is only kept when no fit did.
SoilFit FitSoilAuto(const Sounding& sounding);

}  // namespace terrovane::analysis

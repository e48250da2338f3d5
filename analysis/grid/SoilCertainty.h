#pragma once

#include <optional>
#include <vector>

#include "Assessment.h"
#include "LayeredEarth.h"
#include "SoilFit.h"

namespace terrovane::grid {

// A fitted soil model with what is known of its values: each layer's one-sigma uncertainty and whether the
// sounding resolves it, the covariance of the logarithmic parameters (empty where it was not kept) and the
// fit's RMS misfit.
struct FittedSoil {
    analysis::LayeredEarth model;
    std::vector<analysis::FittedLayer> layers;
    std::vector<double> logCovariance;
    double rmsPercent = 0;
};

FittedSoil FittedSoilOf(const analysis::SoilFit& fit);

// A model known by its values alone (a test's, or one typed as layers): every layer resolved, no
// uncertainty, no misfit.
FittedSoil ExactSoil(const analysis::LayeredEarth& model);

// The one-sigma range of the uniform resistivity the grid formulas get from a model. The fit works on
// logarithms, so the range is the nominal value times and divided by exp(sigma of its logarithm): a
// range that never reaches zero or below, as "305.7 +- 394" would.
struct SoilRange {
    double low = 0;
    double high = 0;
};

// The range for this grid area; none where the model's uncertainty is not known (no points beyond the
// parameters, or a value the data do not determine).
std::optional<SoilRange> UniformRange(const FittedSoil& soil, double gridArea);

// Assesses the design on the model's uniform resistivity, and judges it at both ends of the model's
// one-sigma range too. The verdict is Safe only where it is safe at the nominal value and both ends and
// the model has nothing against it (Assessment::soilDoubts); a design safe at the nominal value otherwise
// is NotShownSafe. One not safe at the nominal value stays Unsafe, with its doubts listed beside.
Assessment AssessOnFittedSoil(const GridDesign& design, const FittedSoil& soil,
                              Standard standard = Standard::Ieee80);

}  // namespace terrovane::grid

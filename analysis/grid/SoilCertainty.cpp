#include "SoilCertainty.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace terrovane::grid {
namespace {

constexpr double kOpenBound = std::numeric_limits<double>::quiet_NaN();

// The sigma of one logarithmic parameter (ln rho_1 .. ln rho_N, ln h_1 .. ln h_N-1) from a layer's sigmas,
// which the fit keeps as value times the logarithm's sigma.
double LogSigmaOf(const FittedSoil& soil, std::size_t index) {
    const std::size_t n = soil.layers.size();
    if (index < n)
        return soil.layers[index].resistivitySigma / soil.layers[index].resistivity;
    const analysis::FittedLayer& layer = soil.layers[index - n];
    if (!layer.thickness || !layer.thicknessSigma)
        return std::numeric_limits<double>::infinity();
    return *layer.thicknessSigma / *layer.thickness;
}

// The variance of ln rho_a through the parameters' covariance where it was kept (the parameters of a
// layered fit are strongly correlated: a thin conductive layer trades its thickness against its
// resistivity), else as if they were independent.
double LogVariance(const FittedSoil& soil, const std::vector<double>& gradient) {
    const std::size_t p = gradient.size();
    double variance = 0;
    if (soil.logCovariance.size() == p * p) {
        for (std::size_t i = 0; i < p; ++i)
            for (std::size_t j = 0; j < p; ++j)
                variance += gradient[i] * soil.logCovariance[i * p + j] * gradient[j];
        return variance;
    }
    for (std::size_t i = 0; i < p; ++i) {
        const double term = gradient[i] * LogSigmaOf(soil, i);
        variance += term * term;
    }
    return variance;
}

double LogSigmaOfUniform(const FittedSoil& soil, double gridArea) {
    if (soil.layers.size() != soil.model.LayerCount() || soil.layers.empty())
        return kOpenBound;
    if (soil.model.LayerCount() == 1)
        return LogSigmaOf(soil, 0);
    const double spacing = std::sqrt(gridArea / std::numbers::pi);
    std::vector<double> gradient;
    const double rho = analysis::WennerByFilterWithGradient(soil.model, spacing, gradient);
    for (double& g : gradient)
        g /= rho;
    for (std::size_t i = 0; i < gradient.size(); ++i)
        if (!std::isfinite(LogSigmaOf(soil, i)))
            return kOpenBound;  // a value the data do not determine leaves the range open
    return std::sqrt(LogVariance(soil, gradient));
}

SoilEnd JudgeAt(const GridDesign& design, const UniformSoil& nominal, double resistivity, Standard standard) {
    UniformSoil end = nominal;
    end.resistivity = resistivity;
    const Assessment a = Assess(design, end, standard);
    return {resistivity, a.verdict, a.reasons};
}

std::vector<SoilDoubt> ModelDoubts(const FittedSoil& soil) {
    std::vector<SoilDoubt> doubts;
    if (soil.rmsPercent > analysis::kMaxSoundingRmsPercent)
        doubts.push_back({SoilDoubtCode::MisfitTooLarge, soil.rmsPercent, analysis::kMaxSoundingRmsPercent});
    for (std::size_t i = 0; i < soil.layers.size(); ++i)
        if (!soil.layers[i].resolved)
            doubts.push_back({SoilDoubtCode::LayerNotResolved, static_cast<double>(i + 1), kOpenBound});
    return doubts;
}

}  // namespace

FittedSoil FittedSoilOf(const analysis::SoilFit& fit) {
    return {fit.model, fit.layers, fit.logCovariance, fit.rmsPercent};
}

FittedSoil ExactSoil(const analysis::LayeredEarth& model) {
    FittedSoil soil{model, {}, {}, 0};
    for (std::size_t i = 0; i < model.LayerCount(); ++i) {
        analysis::FittedLayer layer;
        layer.resistivity = model.resistivities[i];
        if (i < model.thicknesses.size()) {
            layer.thickness = model.thicknesses[i];
            layer.thicknessSigma = 0.0;
        }
        layer.resolved = true;
        soil.layers.push_back(layer);
    }
    return soil;
}

std::optional<SoilRange> UniformRange(const FittedSoil& soil, double gridArea) {
    const double logSigma = LogSigmaOfUniform(soil, gridArea);
    if (!std::isfinite(logSigma))
        return std::nullopt;
    const double nominal = UniformFromModel(soil.model, gridArea).resistivity;
    const double factor = std::exp(logSigma);
    return SoilRange{nominal / factor, nominal * factor};
}

Assessment AssessOnFittedSoil(const GridDesign& design, const FittedSoil& soil, Standard standard) {
    const double area = MeasureGrid(design).area;
    Assessment a = Assess(design, UniformFromModel(soil.model, area), standard);
    a.soilDoubts = ModelDoubts(soil);
    if (const std::optional<SoilRange> range = UniformRange(soil, area)) {
        a.lowSoil = JudgeAt(design, a.soil, range->low, standard);
        a.highSoil = JudgeAt(design, a.soil, range->high, standard);
        const bool acrossRange = a.lowSoil->verdict == Verdict::Safe && a.highSoil->verdict == Verdict::Safe;
        if (a.verdict == Verdict::Safe && !acrossRange)
            a.soilDoubts.insert(a.soilDoubts.begin(), {SoilDoubtCode::RangeNotSafe, kOpenBound, kOpenBound});
    } else {
        a.soilDoubts.insert(a.soilDoubts.begin(), {SoilDoubtCode::RangeUnknown, kOpenBound, kOpenBound});
    }
    if (a.verdict == Verdict::Safe && !a.soilDoubts.empty())
        a.verdict = Verdict::NotShownSafe;
    return a;
}

}  // namespace terrovane::grid

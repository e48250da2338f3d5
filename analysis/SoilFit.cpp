#include "SoilFit.h"

#include "NoteTexts.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace terrovane::analysis {
namespace {

// Logarithmic bounds that keep every trial model computable; a solver that runs into one has found that
// the data do not pin that value down, and the covariance says so.
constexpr double kLogResistivityMargin = 9.2;  // a factor 1e4 beyond the lowest and highest reading
constexpr double kLogThicknessMargin = 6.9;  // a factor 1e3 below the shortest and beyond the longest spacing
// An added layer must lower the misfit by more than noise would at this confidence, and each of the larger
// model's values must be known to within this fraction at one sigma.
constexpr double kLayerConfidence = 0.95;
constexpr double kResolvedRelativeSigma = 0.5;
// Solver runs from the best-ranked starting models: a three-layer misfit has more local minima.
constexpr std::size_t kSolverStarts[] = {0, 1, 3, 5};

struct Problem {
    const Sounding* sounding = nullptr;
    int maxIterations = 100;
    std::size_t layers = 1;
    double logMinResistivity = 0.0;
    double logMaxResistivity = 0.0;
    double logMinThickness = 0.0;
    double logMaxThickness = 0.0;
};

LayeredEarth ModelOf(const Problem& problem, const double* logs) {
    LayeredEarth earth;
    for (std::size_t i = 0; i < problem.layers; ++i)
        earth.resistivities.push_back(
            std::exp(std::clamp(logs[i], problem.logMinResistivity, problem.logMaxResistivity)));
    for (std::size_t i = 0; i + 1 < problem.layers; ++i) {
        const double log =
            std::clamp(logs[problem.layers + i], problem.logMinThickness, problem.logMaxThickness);
        earth.thicknesses.push_back(std::exp(log));
    }
    return earth;
}

double SumOfSquares(const Problem& problem, const LayeredEarth& earth) {
    double sum = 0.0;
    for (const SoundingPoint& point : *problem.sounding) {
        const double r =
            std::log(ModelApparentResistivity(earth, point)) - std::log(point.apparentResistivity);
        sum += r * r;
    }
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
}

int Residuals(const gsl_vector* x, void* data, gsl_vector* f) {
    const Problem& problem = *static_cast<const Problem*>(data);
    const LayeredEarth earth = ModelOf(problem, x->data);
    for (std::size_t i = 0; i < problem.sounding->size(); ++i) {
        const SoundingPoint& point = (*problem.sounding)[i];
        const double r =
            std::log(ModelApparentResistivity(earth, point)) - std::log(point.apparentResistivity);
        if (!std::isfinite(r))
            return GSL_EDOM;
        gsl_vector_set(f, i, r);
    }
    return GSL_SUCCESS;
}

bool Clamped(const Problem& problem, const double* logs, std::size_t index) {
    const bool resistivity = index < problem.layers;
    const double low = resistivity ? problem.logMinResistivity : problem.logMinThickness;
    const double high = resistivity ? problem.logMaxResistivity : problem.logMaxThickness;
    return logs[index] < low || logs[index] > high;
}

// The Jacobian from the filter's own derivatives, for three layers and more and for Schlumberger readings
// (two-layer Wenner readings go through the image series, cheap enough for GSL's finite differences). A
// clamped parameter has no effect.
int Jacobian(const gsl_vector* x, void* data, gsl_matrix* jacobian) {
    const Problem& problem = *static_cast<const Problem*>(data);
    const LayeredEarth earth = ModelOf(problem, x->data);
    std::vector<double> gradient;
    for (std::size_t i = 0; i < problem.sounding->size(); ++i) {
        const double rho = ModelApparentResistivityWithGradient(earth, (*problem.sounding)[i], gradient);
        for (std::size_t j = 0; j < gradient.size(); ++j) {
            const double d = Clamped(problem, x->data, j) ? 0.0 : gradient[j] / rho;
            if (!std::isfinite(d))
                return GSL_EDOM;
            gsl_matrix_set(jacobian, i, j, d);
        }
    }
    return GSL_SUCCESS;
}

// Starting models from the data: the first and last readings for the top and bottom layers, the most
// extreme reading (and the mean) for a middle layer, and interfaces spread over the depths the spacings
// reach. Ordered best first by their misfit.
std::vector<std::vector<double>> Starts(const Problem& problem) {
    const Sounding& s = *problem.sounding;
    double logMean = 0.0, logLow = 1e300, logHigh = -1e300;
    for (const SoundingPoint& p : s) {
        const double l = std::log(p.apparentResistivity);
        logMean += l / s.size();
        logLow = std::min(logLow, l);
        logHigh = std::max(logHigh, l);
    }
    const double logFirst = std::log(s.front().apparentResistivity);
    const double logLast = std::log(s.back().apparentResistivity);
    const double logNear = std::log(s.front().spacing / 2.0);
    const double logFar = std::log(s.back().spacing);
    std::vector<std::vector<double>> starts;
    if (problem.layers == 1)
        return {{logMean}};
    std::vector<double> depths;  // interface depths, logarithmically even
    constexpr int kDepths = 5;
    for (int i = 0; i < kDepths; ++i)
        depths.push_back(logNear + (logFar - logNear) * (i + 0.5) / kDepths);
    if (problem.layers == 2) {
        for (double depth : depths)
            starts.push_back({logFirst, logLast, depth});
    } else {
        const double middleOptions[] = {
            std::fabs(logLow - logMean) > std::fabs(logHigh - logMean) ? logLow : logHigh, logMean,
            logLow + logHigh - logMean};
        for (double middle : middleOptions) {
            for (std::size_t i = 0; i < depths.size(); ++i) {
                for (std::size_t j = i + 1; j < depths.size(); ++j) {
                    const double h2 = std::log(std::exp(depths[j]) - std::exp(depths[i]));
                    starts.push_back({logFirst, middle, logLast, depths[i], h2});
                }
            }
        }
    }
    std::vector<std::pair<double, std::size_t>> ranked;
    for (std::size_t i = 0; i < starts.size(); ++i)
        ranked.push_back({SumOfSquares(problem, ModelOf(problem, starts[i].data())), i});
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::vector<double>> ordered;
    for (const auto& [misfit, index] : ranked)
        ordered.push_back(starts[index]);
    return ordered;
}

struct SolverRun {
    std::vector<double> logs;
    std::vector<double> logSigmas;
    std::vector<double> logCovariance;
    double sumOfSquares = std::numeric_limits<double>::infinity();
    bool converged = false;
    std::string note;
    int iterations = 0;
};

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};

// Standard deviations of the logarithmic parameters: the covariance (J^T J)^-1 at the optimum scaled by
// the residual variance RSS / (n - p), kept whole in `scaled`. A parameter the residuals do not depend on
// gets infinity.
std::vector<double> LogSigmas(const gsl_matrix* jacobian, double sumOfSquares, std::vector<double>& scaled) {
    const std::size_t n = jacobian->size1;
    const std::size_t p = jacobian->size2;
    std::vector<double> sigmas(p, std::numeric_limits<double>::quiet_NaN());
    scaled.clear();
    if (n <= p)
        return sigmas;
    std::unique_ptr<gsl_matrix, void (*)(gsl_matrix*)> covariance(gsl_matrix_alloc(p, p), gsl_matrix_free);
    gsl_multifit_nlinear_covar(jacobian, 1e-12, covariance.get());
    const double variance = sumOfSquares / static_cast<double>(n - p);
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j < p; ++j)
            scaled.push_back(gsl_matrix_get(covariance.get(), i, j) * variance);
    for (std::size_t j = 0; j < p; ++j) {
        gsl_vector_const_view column = gsl_matrix_const_column(jacobian, j);
        const double c = gsl_matrix_get(covariance.get(), j, j);
        sigmas[j] = gsl_blas_dnrm2(&column.vector) == 0.0 || c <= 0.0
                        ? std::numeric_limits<double>::infinity()
                        : std::sqrt(c * variance);
    }
    return sigmas;
}

SolverRun Solve(Problem& problem, const std::vector<double>& start) {
    const std::size_t n = problem.sounding->size();
    const std::size_t p = start.size();
    SolverRun run;
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuals;
    const bool schlumberger =
        std::any_of(problem.sounding->begin(), problem.sounding->end(),
                    [](const SoundingPoint& point) { return point.array == SoundingArray::Schlumberger; });
    fdf.df = problem.layers >= 3 || (problem.layers == 2 && schlumberger) ? Jacobian : nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> workspace(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p));
    gsl_vector_const_view x0 = gsl_vector_const_view_array(start.data(), p);
    if (gsl_multifit_nlinear_init(&x0.vector, &fdf, workspace.get()) != GSL_SUCCESS) {
        run.note = kSolverNoStart;
        run.logs = start;
        run.logSigmas.assign(p, std::numeric_limits<double>::infinity());
        return run;
    }
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(problem.maxIterations, 1e-7, 1e-7, 1e-10, nullptr, nullptr,
                                                   &info, workspace.get());
    run.iterations = static_cast<int>(gsl_multifit_nlinear_niter(workspace.get()));
    const gsl_vector* x = gsl_multifit_nlinear_position(workspace.get());
    run.logs.assign(x->data, x->data + p);
    const gsl_vector* f = gsl_multifit_nlinear_residual(workspace.get());
    gsl_blas_ddot(f, f, &run.sumOfSquares);
    if (!std::isfinite(run.sumOfSquares))
        run.sumOfSquares = std::numeric_limits<double>::infinity();
    const gsl_matrix* jacobian = gsl_multifit_nlinear_jac(workspace.get());
    // Whatever the driver says (it reports a start that is already the optimum as out of iterations), a
    // vanished gradient J^T f is a minimum the solver cannot improve on in floating point.
    double gradient = 0.0;
    for (std::size_t j = 0; j < p; ++j) {
        gsl_vector_const_view column = gsl_matrix_const_column(jacobian, j);
        double g = 0.0;
        gsl_blas_ddot(&column.vector, f, &g);
        gradient = std::max(gradient, std::fabs(g));
    }
    run.converged = status == GSL_SUCCESS || gradient < 1e-6;
    if (!run.converged) {
        run.note = status == GSL_EMAXITER
                       ? Noted(kSolverOutOfIterations, {std::to_string(problem.maxIterations)})
                       : Noted(kSolverStopped, {gsl_strerror(status)});
    }
    run.logSigmas = LogSigmas(jacobian, run.sumOfSquares, run.logCovariance);
    return run;
}

bool AtBound(const Problem& problem, const std::vector<double>& logs, std::size_t index) {
    constexpr double kMargin = 0.01;  // within 1 % of the bound
    const bool resistivity = index < problem.layers;
    const double low = resistivity ? problem.logMinResistivity : problem.logMinThickness;
    const double high = resistivity ? problem.logMaxResistivity : problem.logMaxThickness;
    return logs[index] <= low + kMargin || logs[index] >= high - kMargin;
}

// Relative one-sigma uncertainty below the bound; NaN (nothing to estimate the scatter from) and infinity
// (not determined) are not.
bool WithinRelative(double value, double sigma) {
    return std::isfinite(sigma) && value > 0 && sigma / value < kResolvedRelativeSigma;
}

bool Determined(const FittedLayer& layer) {
    return WithinRelative(layer.resistivity, layer.resistivitySigma) &&
           (!layer.thickness ||
            WithinRelative(*layer.thickness,
                           layer.thicknessSigma.value_or(std::numeric_limits<double>::infinity())));
}

SoilFit Describe(const Problem& problem, const SolverRun& run) {
    SoilFit fit;
    fit.converged = run.converged;
    fit.solverNote = run.note;
    fit.iterations = run.iterations;
    fit.model = ModelOf(problem, run.logs.data());
    fit.logCovariance = run.logCovariance;
    for (std::size_t i = 0; i < problem.layers; ++i) {
        FittedLayer layer;
        // A layer whose resistivity or thickness ran into a bound is one the data cannot pin down (a thin
        // layer where only the product or ratio of the two shows): neither value is determined then.
        const bool bounded = AtBound(problem, run.logs, i) ||
                             (i + 1 < problem.layers && AtBound(problem, run.logs, problem.layers + i));
        const double kUndetermined = std::numeric_limits<double>::infinity();
        layer.resistivity = fit.model.resistivities[i];
        layer.resistivitySigma = bounded ? kUndetermined : layer.resistivity * run.logSigmas[i];
        if (i + 1 < problem.layers) {
            layer.thickness = fit.model.thicknesses[i];
            layer.thicknessSigma =
                bounded ? kUndetermined : *layer.thickness * run.logSigmas[problem.layers + i];
        }
        fit.layers.push_back(layer);
    }
    JudgeResolved(fit.layers, LongestReach(*problem.sounding));
    double squares = 0.0;
    for (const SoundingPoint& point : *problem.sounding) {
        FittedPoint fitted{point.spacing, point.apparentResistivity,
                           ModelApparentResistivity(fit.model, point)};
        fitted.array = point.array;
        fitted.mn2 = point.mn2;
        fitted.residualPercent = 100.0 * (fitted.measured - fitted.model) / fitted.measured;
        squares += fitted.residualPercent * fitted.residualPercent;
        fit.points.push_back(fitted);
    }
    const double n = static_cast<double>(fit.points.size());
    fit.rmsPercent = std::sqrt(squares / n);
    // A perfect fit would give ln(0): the floor keeps the criterion finite and still prefers fewer layers.
    const double rss = std::max(run.sumOfSquares, n * 1e-24);
    fit.bic = n * std::log(rss / n) + static_cast<double>(run.logs.size()) * std::log(n);
    fit.sumOfSquares = rss;
    return fit;
}

}  // namespace

double ModelApparentResistivity(const LayeredEarth& earth, const SoundingPoint& reading) {
    if (reading.array == SoundingArray::Schlumberger)
        return SchlumbergerByFilter(earth, reading.spacing, reading.mn2);
    return WennerApparentResistivity(earth, reading.spacing);
}

double ModelApparentResistivityWithGradient(const LayeredEarth& earth, const SoundingPoint& reading,
                                            std::vector<double>& gradient) {
    if (reading.array == SoundingArray::Schlumberger)
        return SchlumbergerByFilterWithGradient(earth, reading.spacing, reading.mn2, gradient);
    return WennerByFilterWithGradient(earth, reading.spacing, gradient);
}

SoundingPoint ReadingAt(const Sounding& sounding, double spacing) {
    std::vector<std::pair<double, double>> fractions;  // (ln AB/2, MN/2 / AB/2) of the Schlumberger readings
    for (const SoundingPoint& point : sounding) {
        if (point.array == SoundingArray::Schlumberger && point.spacing > 0)
            fractions.emplace_back(std::log(point.spacing), point.mn2 / point.spacing);
    }
    if (fractions.empty() || !(spacing > 0))
        return {spacing, 0.0};
    std::sort(fractions.begin(), fractions.end());
    const double at = std::log(spacing);
    const auto after = std::lower_bound(fractions.begin(), fractions.end(), std::pair{at, -HUGE_VAL});
    double fraction = 0.0;
    if (after == fractions.begin())
        fraction = after->second;
    else if (after == fractions.end())
        fraction = fractions.back().second;
    else {
        const auto before = std::prev(after);
        const double share = (at - before->first) / (after->first - before->first);
        fraction = before->second + share * (after->second - before->second);
    }
    return {spacing, 0.0, SoundingArray::Schlumberger, fraction * spacing};
}

double WennerReach(const SoundingPoint& reading) {
    // A Schlumberger array with MN/2 = AB/2 / 3 is the Wenner array of a = 2/3 AB/2. A narrower MN reaches
    // a little deeper for the same AB (median depths of investigation about 0.19 against 0.17 of the outer
    // electrodes' spread, Edwards 1977, Geophysics 42, 1020), so judging it by a = 2/3 AB/2 errs on the
    // side of calling a deep interface unseen.
    return reading.array == SoundingArray::Schlumberger ? reading.spacing * 2.0 / 3.0 : reading.spacing;
}

double LongestReach(const Sounding& sounding) {
    double longest = 0.0;
    for (const SoundingPoint& point : sounding)
        longest = std::max(longest, WennerReach(point));
    return longest;
}

void JudgeResolved(std::vector<FittedLayer>& layers, double longestSpacing) {
    double bottom = 0.0;
    for (FittedLayer& layer : layers) {
        bottom += layer.thickness.value_or(0.0);
        const bool sensed =
            !layer.thickness || !(longestSpacing > 0) || bottom <= kSensedDepthPerSpacing * longestSpacing;
        layer.resolved = sensed && Determined(layer);
    }
}

SoilFit FitSoil(const Sounding& given, int layerCount, const SoilFitOptions& options) {
    SoilFit refused;
    const std::size_t parameters = 2 * static_cast<std::size_t>(std::max(layerCount, 1)) - 1;
    if (layerCount < 1 || layerCount > kMaxLayers)
        refused.refusal = {RefusalReason::LayerCountOutOfRange, {std::to_string(kMaxLayers)}};
    else
        refused.refusal = CheckSoundingReason(given);
    if (!refused.refusal.Refused() && given.size() < parameters) {
        refused.refusal = {
            RefusalReason::TooFewPoints,
            {std::to_string(layerCount), std::to_string(parameters), std::to_string(given.size())}};
    }
    if (refused.refusal.Refused()) {
        refused.error = RefusalSentence(refused.refusal);
        return refused;
    }
    gsl_set_error_handler_off();  // GSL must report, not abort the program
    const Sounding sounding = SortedBySpacing(given);
    Problem problem;
    problem.sounding = &sounding;
    problem.layers = static_cast<std::size_t>(layerCount);
    problem.maxIterations = options.maxIterations;
    const auto [lowest, highest] = std::minmax_element(
        sounding.begin(), sounding.end(), [](const SoundingPoint& a, const SoundingPoint& b) {
            return a.apparentResistivity < b.apparentResistivity;
        });
    problem.logMinResistivity = std::log(lowest->apparentResistivity) - kLogResistivityMargin;
    problem.logMaxResistivity = std::log(highest->apparentResistivity) + kLogResistivityMargin;
    problem.logMinThickness = std::log(sounding.front().spacing) - kLogThicknessMargin;
    problem.logMaxThickness = std::log(sounding.back().spacing) + kLogThicknessMargin;
    SolverRun best;
    std::vector<std::vector<double>> starts = Starts(problem);
    if (starts.size() > kSolverStarts[problem.layers])
        starts.resize(kSolverStarts[problem.layers]);
    if (layerCount == 3) {
        // The two-layer optimum with either layer split in two: the three-layer fit is then never worse
        // than the two-layer one, whatever local minima the other starts run into.
        const SoilFit two = FitSoil(sounding, 2, options);
        const double r1 = std::log(two.model.resistivities[0]);
        const double r2 = std::log(two.model.resistivities[1]);
        const double h = std::log(two.model.thicknesses[0]);
        starts.push_back({r1, r2, r2, h, h});
        starts.push_back({r1, r1, r2, h - std::log(2.0), h - std::log(2.0)});
    }
    for (const std::vector<double>& start : starts) {
        SolverRun run = Solve(problem, start);
        const bool better = (run.converged && !best.converged) ||
                            (run.converged == best.converged && run.sumOfSquares < best.sumOfSquares);
        if (best.logs.empty() || better)
            best = std::move(run);
    }
    return Describe(problem, best);
}

namespace {

bool AddedLayersPay(const SoilFit& fewer, const SoilFit& more, std::size_t points) {
    const std::size_t p1 = 2 * fewer.layers.size() - 1;
    const std::size_t p2 = 2 * more.layers.size() - 1;
    if (points <= p2)
        return false;
    const double added = static_cast<double>(p2 - p1);
    const double left = static_cast<double>(points - p2);
    // The F statistic of nested least-squares models: the misfit the added parameters remove, per parameter,
    // against the misfit left per degree of freedom.
    const double f = ((fewer.sumOfSquares - more.sumOfSquares) / added) / (more.sumOfSquares / left);
    return f > gsl_cdf_fdist_Qinv(1.0 - kLayerConfidence, added, left);
}

bool AllResolved(const SoilFit& fit) {
    return std::all_of(fit.layers.begin(), fit.layers.end(), [](const FittedLayer& l) { return l.resolved; });
}

}  // namespace

bool KeepsMoreLayers(const SoilFit& fewer, const SoilFit& more, std::size_t points) {
    return more.converged && AddedLayersPay(fewer, more, points) && AllResolved(more);
}

SoilFit FitSoilAuto(const Sounding& sounding) {
    SoilFit chosen = FitSoil(sounding, 1);
    if (!chosen.Ok())
        return chosen;
    for (int layers = 2; layers <= kMaxLayers; ++layers) {
        if (sounding.size() <= 2 * static_cast<std::size_t>(layers) - 1)
            break;  // no point left over to judge the scatter by
        SoilFit fit = FitSoil(sounding, layers);
        if (!fit.Ok())
            return fit;
        if ((!chosen.converged && fit.converged) || KeepsMoreLayers(chosen, fit, sounding.size()))
            chosen = std::move(fit);
    }
    return chosen;
}

}  // namespace terrovane::analysis

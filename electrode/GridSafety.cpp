#include "GridSafety.h"

#include <cmath>
#include <optional>

#include "BodyLimits.h"
#include "DesignElectrode.h"

namespace terrovane::electrode {
namespace {

using grid::Verdict;

// The tolerable voltages of IEEE 80 with the surface layer's factor Cs taken on the soil right under
// it, the model's top layer (the formulas take their one reduced resistivity there, having no other).
void TolerableOnTopLayer(const grid::GridDesign& design, const Soil& soil, ComputedSafety& c) {
    const double top = soil.resistivities.front();
    const bool surface = design.surface.has_value();
    const double surfaceResistivity = surface ? design.surface->resistivity : top;
    const double cs =
        surface ? grid::SurfaceFactor(top, design.surface->resistivity, design.surface->thickness) : 1.0;
    const double ts = design.fault.duration;
    c.touchLimit = grid::TolerableTouchVoltage(design.bodyKg, cs, surfaceResistivity, ts);
    c.stepLimit = grid::TolerableStepVoltage(design.bodyKg, cs, surfaceResistivity, ts);
}

void FindLargest(const std::vector<Area>& covered, ComputedSafety& c) {
    const SafetyRaster& r = c.raster;
    for (int iy = 0; iy < r.potential.ny; ++iy) {
        for (int ix = 0; ix < r.potential.nx; ++ix) {
            const std::size_t i = r.Index(ix, iy);
            const Point p = r.potential.PointAt(ix, iy);
            if (!std::isnan(r.touch[i]) && r.touch[i] > c.touch.volts)
                c.touch = {r.touch[i], p};
            if (!std::isnan(r.touch[i]) && r.touch[i] > c.meshTouch.volts &&
                WithinReach(covered, 0, p.x, p.y))
                c.meshTouch = {r.touch[i], p};
            if (r.step[i] > c.step.volts)
                c.step = {r.step[i], r.potential.PointAt(ix, iy)};
        }
    }
}

// IEEE 80: safe when the GPR stays below the tolerable touch voltage, or when the largest touch and step
// voltages stay below theirs; the reasons of an unsafe verdict are only the limits exceeded.
void JudgeIeee(ComputedSafety& c) {
    if (c.gpr < c.touchLimit) {
        c.verdict = Verdict::Safe;
        c.reasons = {{ComputedReasonCode::GprBelowTouch, c.gpr, c.touchLimit}};
        return;
    }
    const bool touchOk = c.touch.volts < c.touchLimit;
    const bool stepOk = c.step.volts < c.stepLimit;
    c.verdict = touchOk && stepOk ? Verdict::Safe : Verdict::Unsafe;
    if (c.verdict == Verdict::Safe || !touchOk)
        c.reasons.push_back(
            {touchOk ? ComputedReasonCode::TouchBelowTolerable : ComputedReasonCode::TouchAboveTolerable,
             c.touch.volts, c.touchLimit});
    if (c.verdict == Verdict::Safe || !stepOk)
        c.reasons.push_back(
            {stepOk ? ComputedReasonCode::StepBelowTolerable : ComputedReasonCode::StepAboveTolerable,
             c.step.volts, c.stepLimit});
}

// EN 50522: an earth potential rise of at most twice U_Tp needs no further proof; beyond it the largest
// touch voltage must stay within U_vTp.
void JudgeEn50522(const grid::En50522Result& en, ComputedSafety& c) {
    c.touchLimit = en.permissibleWithResistances;
    if (c.gpr <= 2 * en.permissibleTouch) {
        c.verdict = Verdict::Safe;
        c.reasons = {{ComputedReasonCode::EprWithinTwicePermissible, c.gpr, 2 * en.permissibleTouch}};
        return;
    }
    const bool within = c.touch.volts <= c.touchLimit;
    c.verdict = within ? Verdict::Safe : Verdict::Unsafe;
    c.reasons = {
        {within ? ComputedReasonCode::TouchWithinPermissible : ComputedReasonCode::TouchAbovePermissible,
         c.touch.volts, c.touchLimit}};
}

// The factor the top layer's resistivity is multiplied and divided by for the two ends of its one-sigma
// range: exp(sigma of its logarithm), as the fit works on logarithms (never reaching zero). None where
// the model has no uncertainty to give (a model known by its values, or one whose top layer the data do
// not determine: the formulas' doubts already say so).
std::optional<double> TopLayerFactor(const grid::FittedSoil& soil) {
    if (soil.layers.empty() || soil.layers.size() != soil.model.resistivities.size())
        return std::nullopt;
    const analysis::FittedLayer& top = soil.layers.front();
    const double logSigma = top.resistivitySigma / top.resistivity;
    if (!std::isfinite(logSigma) || !(logSigma > 0))
        return std::nullopt;
    return std::exp(logSigma);
}

ComputedEnd EndOf(const ComputedSafety& at, double topResistivity) {
    return {topResistivity, at.resistance, at.gpr,       at.touch,
            at.step,        at.touchLimit, at.stepLimit, at.verdict};
}

}  // namespace

std::vector<Area> CoveredGround(const grid::GridLayout& layout) {
    if (layout.shape != grid::GridShape::LShaped)
        return {{0, 0, layout.length, layout.width}};
    return {{0, 0, layout.length, layout.width - layout.cutoutWidth},
            {0, 0, layout.length - layout.cutoutLength, layout.width}};
}

namespace {

// The design computed in one soil and judged on its values alone.
ComputedSafety AssessOnce(const grid::GridDesign& design, const Soil& soil, const grid::Assessment& formulas,
                          const ComputedOptions& options) {
    ComputedSafety c;
    if (CheckSoil(soil) != SoilFault::None) {
        c.status = ComputedStatus::BadSoil;
        return c;
    }
    const auto solved = std::make_shared<Solution>(Solve(ElectrodeOfDesign(design), soil, options.solve));
    const Solution& solution = *solved;
    if (solution.status == SolveStatus::Stopped) {
        c.status = ComputedStatus::Stopped;
        return c;
    }
    if (solution.status != SolveStatus::Solved) {
        c.status = ComputedStatus::NotSolved;
        return c;
    }
    c.resistance = solution.resistance;
    c.segments = static_cast<int>(solution.segments.size());
    c.gridCurrent = formulas.current.current;
    c.gpr = c.gridCurrent * c.resistance;
    const std::vector<Area> covered = CoveredGround(design.grid);
    c.raster = MapSafety(solution, c.gridCurrent, covered, options.raster, options.progress);
    if (c.raster.potential.values.empty()) {
        c.status = ComputedStatus::Stopped;
        return c;
    }
    c.solution = solved;
    FindLargest(covered, c);
    TolerableOnTopLayer(design, soil, c);
    if (formulas.standard == grid::Standard::En50522 && formulas.en50522)
        JudgeEn50522(*formulas.en50522, c);
    else
        JudgeIeee(c);
    return c;
}

}  // namespace

ComputedSafety AssessInSoil(const grid::GridDesign& design, const Soil& soil,
                            const grid::Assessment& formulas, const ComputedOptions& options) {
    ComputedSafety c = AssessOnce(design, soil, formulas, options);
    if (c.status == ComputedStatus::Computed && c.verdict == Verdict::Safe && !formulas.soilDoubts.empty())
        c.verdict = Verdict::NotShownSafe;
    return c;
}

ComputedSafety AssessInFittedSoil(const grid::GridDesign& design, const grid::FittedSoil& soil,
                                  const grid::Assessment& formulas, const ComputedOptions& options) {
    const std::optional<double> factor = TopLayerFactor(soil);
    if (!factor)
        return AssessInSoil(design, soil.model, formulas, options);
    // Three computations: each reports its third of the progress.
    auto part = [&options](int index) {
        ComputedOptions third = options;
        if (options.progress)
            third.progress = [&options, index](double share) {
                return options.progress((index + share) / 3);
            };
        return third;
    };
    ComputedSafety c = AssessInSoil(design, soil.model, formulas, part(0));
    if (c.status != ComputedStatus::Computed)
        return c;
    bool endsSafe = true;
    for (int end = 0; end < 2; ++end) {
        Soil ended = soil.model;
        ended.resistivities.front() *= end == 0 ? 1 / *factor : *factor;
        const ComputedSafety at = AssessOnce(design, ended, formulas, part(end + 1));
        if (at.status != ComputedStatus::Computed)
            return at;
        (end == 0 ? c.lowSoil : c.highSoil) = EndOf(at, ended.resistivities.front());
        endsSafe = endsSafe && at.verdict == Verdict::Safe;
    }
    // Safe on the model's values but not at both ends: the model's uncertainty leaves it open.
    if (c.verdict == Verdict::Safe && !endsSafe)
        c.verdict = Verdict::NotShownSafe;
    return c;
}

const char* ComputedReasonName(ComputedReasonCode code) {
    switch (code) {
        case ComputedReasonCode::GprBelowTouch:
            return "gpr-below-touch";
        case ComputedReasonCode::TouchBelowTolerable:
            return "touch-below-tolerable";
        case ComputedReasonCode::TouchAboveTolerable:
            return "touch-above-tolerable";
        case ComputedReasonCode::StepBelowTolerable:
            return "step-below-tolerable";
        case ComputedReasonCode::StepAboveTolerable:
            return "step-above-tolerable";
        case ComputedReasonCode::EprWithinTwicePermissible:
            return "epr-within-twice-permissible";
        case ComputedReasonCode::TouchWithinPermissible:
            return "touch-within-permissible";
        case ComputedReasonCode::TouchAbovePermissible:
            return "touch-above-permissible";
    }
    return "";
}

const char* ComputedStatusName(ComputedStatus status) {
    switch (status) {
        case ComputedStatus::Computed:
            return "computed";
        case ComputedStatus::BadSoil:
            return "bad-soil";
        case ComputedStatus::NotSolved:
            return "not-solved";
        case ComputedStatus::Stopped:
            return "stopped";
    }
    return "";
}

}  // namespace terrovane::electrode

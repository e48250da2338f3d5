#include "Assessment.h"

#include <cmath>
#include <limits>

#include "BodyLimits.h"
#include "En50522.h"

namespace terrovane::grid {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void CheckRanges(const GridDesign& design, const Assessment& a, std::vector<Warning>& warnings) {
    const double h = design.grid.depth;
    if (h < 0.25 || h > 2.5)
        warnings.push_back({WarningCode::DepthOutsideRange, h, 0.25, 2.5});
    if (!(a.geometry.spacing > 2.5))
        warnings.push_back({WarningCode::SpacingTooSmall, a.geometry.spacing, 2.5, kNone});
    if (!(design.grid.conductorDiameter < 0.25 * h))
        warnings.push_back({WarningCode::ConductorTooThick, design.grid.conductorDiameter, kNone, 0.25 * h});
    if (a.factors.n > 25)
        warnings.push_back({WarningCode::TooManyMeshes, a.factors.n, kNone, 25});
    const double ts = design.fault.duration;
    if (ts < 0.03 || ts > 3)
        warnings.push_back({WarningCode::ShockDurationOutsideRange, ts, 0.03, 3});
    const double small = std::min(a.geometry.spacingX, a.geometry.spacingY);
    if (a.geometry.spacing - small > 0.01 * a.geometry.spacing)
        warnings.push_back({WarningCode::UnequalSpacing, small, kNone, a.geometry.spacing});
    if (a.schwarz && h > std::sqrt(a.geometry.area) / 6)
        warnings.push_back({WarningCode::SchwarzBeyondCurves, h, kNone, std::sqrt(a.geometry.area) / 6});
    if (a.soil.layers > 1)
        warnings.push_back({WarningCode::LayeredSoil, static_cast<double>(a.soil.layers), kNone, kNone});
}

// IEEE 80: safe when the GPR stays below the tolerable touch voltage, or when the mesh voltage stays below
// it and the step voltage below the tolerable step voltage.
void JudgeIeee(Assessment& a) {
    if (a.gpr < a.tolerableTouch) {
        a.ieeeVerdict = Verdict::Safe;
        a.ieeeReasons = {{ReasonCode::GprBelowTouch, a.gpr, a.tolerableTouch}};
        return;
    }
    const bool meshOk = a.meshVoltage < a.tolerableTouch;
    const bool stepOk = a.stepVoltage < a.tolerableStep;
    a.ieeeVerdict = meshOk && stepOk ? Verdict::Safe : Verdict::Unsafe;
    a.ieeeReasons.push_back(
        {meshOk ? ReasonCode::MeshBelowTouch : ReasonCode::MeshAboveTouch, a.meshVoltage, a.tolerableTouch});
    a.ieeeReasons.push_back(
        {stepOk ? ReasonCode::StepBelowStep : ReasonCode::StepAboveStep, a.stepVoltage, a.tolerableStep});
    if (a.ieeeVerdict == Verdict::Unsafe)
        std::erase_if(a.ieeeReasons, [](const Reason& r) {
            return r.code == ReasonCode::MeshBelowTouch || r.code == ReasonCode::StepBelowStep;
        });
}

// EN 50522: an earth potential rise of at most twice U_Tp needs no further proof; beyond it the touch
// voltage, here the mesh voltage, must stay within the permissible touch voltage (with the added
// resistances where they are given).
En50522Result JudgeEn50522(const GridDesign& design, const Assessment& a, std::vector<Warning>& warnings) {
    En50522Result r;
    const PermissibleTouch touch = PermissibleTouchVoltage(design.fault.duration);
    if (touch.outsideTable)
        warnings.push_back({WarningCode::DurationOutsideTable, design.fault.duration, 0.05, 10});
    r.permissibleTouch = touch.voltage;
    r.bodyCurrent = touch.bodyCurrent;
    r.footwear = design.additional.footwear;
    r.standing = design.additional.standing ? StandingResistance(a.surfaceResistivity) : 0;
    r.permissibleWithResistances = PermissibleTouchWithResistances(touch, r.footwear, r.standing);
    if (a.gpr <= 2 * r.permissibleTouch) {
        r.verdict = Verdict::Safe;
        r.reasons = {{ReasonCode::EprWithinTwicePermissible, a.gpr, 2 * r.permissibleTouch}};
        return r;
    }
    const bool within = a.meshVoltage <= r.permissibleWithResistances;
    r.verdict = within ? Verdict::Safe : Verdict::Unsafe;
    r.reasons = {{within ? ReasonCode::TouchWithinPermissible : ReasonCode::TouchAbovePermissible,
                  a.meshVoltage, r.permissibleWithResistances}};
    return r;
}

}  // namespace

Assessment Assess(const GridDesign& design, const UniformSoil& soil, Standard standard) {
    Assessment a;
    a.soil = soil;
    a.standard = standard;
    a.geometry = MeasureGrid(design);
    const double rho = soil.resistivity;
    const bool surface = design.surface.has_value();
    a.surfaceResistivity = surface ? design.surface->resistivity : rho;
    a.surfaceFactor =
        surface ? SurfaceFactor(rho, design.surface->resistivity, design.surface->thickness) : 1.0;
    const double ts = design.fault.duration;
    a.tolerableTouch = TolerableTouchVoltage(design.bodyKg, a.surfaceFactor, a.surfaceResistivity, ts);
    a.tolerableStep = TolerableStepVoltage(design.bodyKg, a.surfaceFactor, a.surfaceResistivity, ts);
    a.gridResistance = SverakResistance(rho, a.geometry, design.grid.depth);
    const bool rods = design.rods && design.rods->count > 0;
    if (rods)
        a.schwarz = SchwarzGridResistance(rho, design, a.geometry);
    a.current = MaximumGridCurrent(design.fault);
    a.gpr = a.current.current * a.gridResistance;
    a.factors = ComputeMeshFactors(design, a.geometry);
    a.meshVoltage = rho * a.factors.km * a.factors.ki * a.current.current / a.factors.lm;
    a.stepVoltage = rho * a.factors.ks * a.factors.ki * a.current.current / a.factors.ls;
    CheckRanges(design, a, a.warnings);
    JudgeIeee(a);
    if (standard == Standard::En50522) {
        a.en50522 = JudgeEn50522(design, a, a.warnings);
        a.verdict = a.en50522->verdict;
        a.reasons = a.en50522->reasons;
    } else {
        a.verdict = a.ieeeVerdict;
        a.reasons = a.ieeeReasons;
    }
    return a;
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::Safe:
            return "safe";
        case Verdict::Unsafe:
            return "unsafe";
        case Verdict::NotShownSafe:
            return "not-shown-safe";
    }
    return "";
}

std::optional<Verdict> VerdictFromName(const std::string& name) {
    for (const Verdict verdict : {Verdict::Safe, Verdict::Unsafe, Verdict::NotShownSafe})
        if (name == VerdictName(verdict))
            return verdict;
    return std::nullopt;
}

const char* SoilDoubtName(SoilDoubtCode code) {
    switch (code) {
        case SoilDoubtCode::RangeNotSafe:
            return "soil-range-not-safe";
        case SoilDoubtCode::RangeUnknown:
            return "soil-range-unknown";
        case SoilDoubtCode::LayerNotResolved:
            return "soil-layer-not-resolved";
        case SoilDoubtCode::MisfitTooLarge:
            return "soil-misfit-too-large";
    }
    return "";
}

const char* ReasonName(ReasonCode code) {
    switch (code) {
        case ReasonCode::GprBelowTouch:
            return "gpr-below-touch";
        case ReasonCode::MeshBelowTouch:
            return "mesh-below-touch";
        case ReasonCode::StepBelowStep:
            return "step-below-step";
        case ReasonCode::MeshAboveTouch:
            return "mesh-above-touch";
        case ReasonCode::StepAboveStep:
            return "step-above-step";
        case ReasonCode::EprWithinTwicePermissible:
            return "epr-within-twice-permissible";
        case ReasonCode::TouchWithinPermissible:
            return "touch-within-permissible";
        case ReasonCode::TouchAbovePermissible:
            return "touch-above-permissible";
    }
    return "";
}

const char* WarningName(WarningCode code) {
    switch (code) {
        case WarningCode::DepthOutsideRange:
            return "depth-outside-range";
        case WarningCode::SpacingTooSmall:
            return "spacing-too-small";
        case WarningCode::ConductorTooThick:
            return "conductor-too-thick";
        case WarningCode::TooManyMeshes:
            return "too-many-meshes";
        case WarningCode::ShockDurationOutsideRange:
            return "shock-duration-outside-range";
        case WarningCode::UnequalSpacing:
            return "unequal-spacing";
        case WarningCode::SchwarzBeyondCurves:
            return "schwarz-beyond-curves";
        case WarningCode::LayeredSoil:
            return "layered-soil";
        case WarningCode::DurationOutsideTable:
            return "duration-outside-table";
    }
    return "";
}

const char* StandardName(Standard standard) {
    return standard == Standard::En50522 ? "en50522" : "ieee80";
}

}  // namespace terrovane::grid

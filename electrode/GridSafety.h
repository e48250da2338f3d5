#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "Assessment.h"
#include "SafetyRaster.h"
#include "SoilCertainty.h"
#include "Solver.h"

namespace terrovane::electrode {

enum class ComputedStatus {
    Computed,
    BadSoil,
    NotSolved,  // the solver gave up (segment limit or a singular matrix)
    Stopped,    // the caller asked to stop
};

// Why the computed verdict is what it is, the computed value held against its limit.
enum class ComputedReasonCode {
    GprBelowTouch,        // IEEE 80: the GPR below the tolerable touch voltage, safe wherever one stands
    TouchBelowTolerable,  // the largest touch voltage below the tolerable one
    TouchAboveTolerable,  // at or above it
    StepBelowTolerable,   // the largest step voltage below the tolerable one
    StepAboveTolerable,   // at or above it
    EprWithinTwicePermissible,  // EN 50522: U_E at most 2 U_Tp, safe without further proof
    TouchWithinPermissible,     // EN 50522: the largest touch voltage at most U_vTp
    TouchAbovePermissible,
};

struct ComputedReason {
    ComputedReasonCode code;
    double computed;
    double limit;
};

const char* ComputedReasonName(ComputedReasonCode code);  // "touch-above-tolerable" and so on
const char* ComputedStatusName(ComputedStatus status);    // "computed", "bad-soil", ...

struct ComputedOptions {
    SolveOptions solve;
    RasterOptions raster;
    // Called during the map with the share done; false stops the computation (ComputedStatus::Stopped).
    RasterProgress progress;
};

// The design computed again with the top layer's resistivity at one end of its uncertainty.
struct ComputedEnd {
    double topResistivity = 0;  // ohm-m
    double resistance = 0;
    double gpr = 0;
    Extreme touch;
    Extreme step;
    double touchLimit = 0;
    double stepLimit = 0;
    grid::Verdict verdict = grid::Verdict::Unsafe;  // on this end's values alone
};

// A grid design assessed in the soil model itself rather than by the formulas' uniform soil.
struct ComputedSafety {
    ComputedStatus status = ComputedStatus::Computed;
    double resistance = 0;   // ohms, the solver's
    int segments = 0;        // of the converged level
    double gridCurrent = 0;  // IG, the formulas' (the share of the fault current the grid leaks)
    double gpr = 0;          // IG R
    // The limits judged against: IEEE 80's tolerable values with the surface layer on the model's top
    // layer, or EN 50522's permissible touch voltage with the added resistances.
    double touchLimit = 0;
    double stepLimit = 0;
    Extreme touch;  // the largest in the touch area, and where: the verdict's
    // The largest over the ground the grid covers only, the place of the formulas' mesh voltage Em, which
    // is what that compares with; 1 m outside the edge the touch voltage is higher still.
    Extreme meshTouch;
    Extreme step;  // the largest anywhere on the raster, and where (the first foot)
    SafetyRaster raster;
    // The solved electrode, for what is asked of the surface afterwards (a profile along a line).
    std::shared_ptr<const Solution> solution;
    grid::Verdict verdict = grid::Verdict::Unsafe;
    std::vector<ComputedReason> reasons;
    // Both ends of the soil model's uncertainty, where it has one (AssessInFittedSoil).
    std::optional<ComputedEnd> lowSoil;
    std::optional<ComputedEnd> highSoil;
};

// The ground the grid covers, as rectangles of the surface: its outline, the L as two rectangles.
std::vector<Area> CoveredGround(const grid::GridLayout& layout);

// The design's conductors and rods (ElectrodeOfDesign) solved in the soil; the surface potential for the
// grid current IG on a raster over the grid and its margin; the touch voltage (GPR less the surface
// potential) within reach of the covered ground and the step voltage (the difference over one step) as
// IEEE Std 80-2013 defines them (clause 3); judged as the formulas' assessment judges the mesh and step
// voltages (IEEE 80's design procedure, or EN 50522's two steps), the computed values in their place. Where
// the formulas' assessment has doubts about the soil (SoilCertainty.h), a design safe here is only
// NotShownSafe: the model's values are no better known for being computed in.
ComputedSafety AssessInSoil(const grid::GridDesign& design, const Soil& soil,
                            const grid::Assessment& formulas, const ComputedOptions& options = {});

// As AssessInSoil on the fitted model, then computed again with the top layer's resistivity at both ends
// of its one-sigma range (times and divided by exp(sigma / rho), the fit working on logarithms): the top
// layer is what the surface potential, and so the touch and step voltages, depend on most. A design safe
// on the model's values but not at both ends is NotShownSafe; both ends' values are kept beside. A model
// without a known uncertainty of its top layer is computed once (the formulas' doubts then say so).
ComputedSafety AssessInFittedSoil(const grid::GridDesign& design, const grid::FittedSoil& soil,
                                  const grid::Assessment& formulas, const ComputedOptions& options = {});

}  // namespace terrovane::electrode

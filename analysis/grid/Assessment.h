#pragma once

#include <optional>
#include <string>
#include <vector>

#include "FaultCurrent.h"
#include "GridDesign.h"
#include "GridGeometry.h"
#include "GridResistance.h"
#include "MeshFactors.h"
#include "UniformSoil.h"

namespace terrovane::grid {

enum class Standard { Ieee80, En50522 };

// A formula used outside the range it was derived for; the numbers say how (NaN where one does not apply).
enum class WarningCode {
    DepthOutsideRange,          // value h, low 0.25, high 2.5 (Sverak's, Km, Ks)
    SpacingTooSmall,            // value D, low 2.5
    ConductorTooThick,          // value d, high 0.25 h
    TooManyMeshes,              // value n, high 25
    ShockDurationOutsideRange,  // value ts, low 0.03, high 3 (the body current limit)
    UnequalSpacing,             // value the smaller spacing, high the larger one, which the factors use
    SchwarzBeyondCurves,        // value h, high sqrt(A)/6: the deepest of Schwarz's curves is used
    LayeredSoil,                // value the layers of the model, reduced to one resistivity
    DurationOutsideTable,       // value tf, low 0.05, high 10 (EN 50522's table)
};

struct Warning {
    WarningCode code;
    double value;
    double low;
    double high;
};

// NotShownSafe: safe on the soil's nominal resistivity, but the soil is not known well enough to say it
// is safe on the ground itself (see SoilDoubtCode).
enum class Verdict { Safe, Unsafe, NotShownSafe };

// Why the soil a verdict rests on is not known well enough (value and limit where they apply, else NaN).
enum class SoilDoubtCode {
    RangeNotSafe,      // the design is not safe at an end of the soil's one-sigma range (SoilEnd)
    RangeUnknown,      // the fit cannot say how uncertain its values are (too few points, undetermined)
    LayerNotResolved,  // value the layer (from 1 at the top)
    MisfitTooLarge,    // value the fit's RMS error in percent, limit the largest a sounding can have
};

struct SoilDoubt {
    SoilDoubtCode code;
    double value;
    double limit;
};

// Why the verdict is what it is: the computed value against its limit, and by how much it is above
// (excess > 0) or below it.
enum class ReasonCode {
    GprBelowTouch,              // IEEE 80: GPR below the tolerable touch voltage, safe whatever the meshes
    MeshBelowTouch,             // Em below the tolerable touch voltage
    StepBelowStep,              // Es below the tolerable step voltage
    MeshAboveTouch,             // Em at or above the tolerable touch voltage
    StepAboveStep,              // Es at or above the tolerable step voltage
    EprWithinTwicePermissible,  // EN 50522: U_E at most 2 U_Tp, safe without further proof
    TouchWithinPermissible,     // EN 50522: the touch voltage (Em) at most the permissible one
    TouchAbovePermissible,      // EN 50522: the touch voltage above the permissible one
};

struct Reason {
    ReasonCode code;
    double computed;
    double limit;
    double Excess() const { return computed - limit; }
    double ExcessPercent() const { return 100 * (computed - limit) / limit; }
};

struct En50522Result {
    double permissibleTouch = 0;            // U_Tp
    double bodyCurrent = 0;                 // I_B
    double footwear = 0;                    // R_F1
    double standing = 0;                    // R_F2
    double permissibleWithResistances = 0;  // U_vTp (= U_Tp without added resistances)
    Verdict verdict = Verdict::Unsafe;
    std::vector<Reason> reasons;
};

// The design judged at one end of the soil's one-sigma range.
struct SoilEnd {
    double resistivity = 0;
    Verdict verdict = Verdict::Unsafe;
    std::vector<Reason> reasons;
};

struct [[nodiscard]] Assessment {
    UniformSoil soil;
    GridGeometry geometry;
    double surfaceFactor = 1;       // Cs
    double surfaceResistivity = 0;  // rho_s (the soil's without a surface layer)
    double tolerableTouch = 0;
    double tolerableStep = 0;
    double gridResistance = 0;                 // Sverak's, with the rods in LT
    std::optional<SchwarzResistance> schwarz;  // with rods
    GridCurrent current;
    double gpr = 0;
    MeshFactors factors;
    double meshVoltage = 0;
    double stepVoltage = 0;
    Standard standard = Standard::Ieee80;
    Verdict verdict = Verdict::Unsafe;  // by the chosen standard
    std::vector<Reason> reasons;        // by the chosen standard
    Verdict ieeeVerdict = Verdict::Unsafe;
    std::vector<Reason> ieeeReasons;
    std::optional<En50522Result> en50522;  // with Standard::En50522
    std::vector<Warning> warnings;
    // With a fitted soil model only (SoilCertainty.h): the verdict at both ends of its range, where the
    // range is known, and what speaks against the model.
    std::optional<SoilEnd> lowSoil;
    std::optional<SoilEnd> highSoil;
    std::vector<SoilDoubt> soilDoubts;
};

// Assesses a design that CheckDesign accepts, on the given uniform soil.
Assessment Assess(const GridDesign& design, const UniformSoil& soil, Standard standard = Standard::Ieee80);

const char* VerdictName(Verdict verdict);  // "safe", "unsafe", "not-shown-safe"
std::optional<Verdict> VerdictFromName(const std::string& name);
const char* SoilDoubtName(SoilDoubtCode code);  // "soil-range-not-safe" and so on
const char* ReasonName(ReasonCode code);        // "mesh-above-touch" and so on
const char* WarningName(WarningCode code);      // "depth-outside-range" and so on
const char* StandardName(Standard standard);    // "ieee80", "en50522"

}  // namespace terrovane::grid

#pragma once

#include <optional>
#include <vector>

#include "FallOfPotential.h"
#include "Solver.h"

namespace terrovane::electrode {

// The current probe as the field lays it: a short rod, solved in the same soil as the electrode. A rod
// rather than a point source because a point source's potential has no finite value at the probe itself
// (the current probe's own resistance is part of what a reading near it shows), and because in layered
// soil the solver already gives a rod's field with the layers' images; a point would need its own kernel.
struct ProbeRod {
    double length = 0.4;
    double radius = 0.005;
};

struct FopPlanRequest {
    double currentProbe = 0;      // D: metres from the electrode's centre to the current probe
    double directionDegrees = 0;  // the line to the current probe, from the x axis towards y
    double flatnessPercent = analysis::kPlateauTolerancePercent;
    int curvePoints = 19;  // potential-probe positions spread evenly between the electrode and D
    // Or the potential probe's distances in metres (those of measured readings, say); they win when given.
    std::vector<double> positions;
    ProbeRod probe;
};

enum class FopPlanStatus {
    Planned,
    BadSoil,
    BadElectrode,
    BadCurrentProbe,  // D not beyond the electrode's reach or over 100 km, or no direction
    BadFlatness,      // not above 0 %
    BadCurvePoints,   // fewer than 2 or more than 1000, or a position not between 0 and D
    BadProbe,         // the current probe's rod has no length or radius
    NotSolved,        // the solver gave up (segment limit or a singular matrix)
};

struct FopPlanPoint {
    double distance = 0;    // x, metres from the electrode's centre towards the current probe
    double fraction = 0;    // x / D
    double resistance = 0;  // R(x) = (V_E - V_P(x)) / I, ohms
};

struct FopPlan {
    FopPlanStatus status = FopPlanStatus::Planned;
    double trueResistance = 0;  // the solver's, electrode to remote earth
    std::vector<FopPlanPoint> curve;
    // x / D where R(x) first equals the true resistance; unset when the curve never reaches it.
    std::optional<double> trueFraction;
    // The plateau check's spread of R over 52 %-72 % of D, for the D asked.
    double plateauSpreadPercent = 0;
    // The smallest D whose spread is within the flatness asked; unset when none up to 100 km is.
    std::optional<double> plateauDistance;
};

// The fall-of-potential measurement predicted from the soil model: the electrode's solved current
// distribution with +I, the current probe with -I, the potential probe on the surface along the line (the
// curve of the fall-of-potential method, Tagg 1964; for a large electrode or layered soil its true value
// lies off 61.8 %, IEEE Std 81-2012, clause 8).
FopPlan PlanFallOfPotential(const Electrode& electrode, const Soil& soil, const FopPlanRequest& request,
                            const SolveOptions& options = {});

}  // namespace terrovane::electrode

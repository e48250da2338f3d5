#include "FallOfPotentialPlan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Potential.h"
#include "Shapes.h"

namespace terrovane::electrode {
namespace {

// The same limit the readings' analysis puts on D.
constexpr double kMaxCurrentProbe = 1e5;
constexpr int kMaxCurvePoints = 1000;
// The potential probe is not set right on the current probe: there the reading is the probe's own
// resistance, and the curve's interesting part has long ended.
constexpr double kLastFraction = 0.98;
constexpr double kScanStep = 0.01;

// The centre of the electrode's plan on the surface: the middle of the box round its conductors, which
// is where a field engineer measures the probe distances from.
Point CentreOf(const Electrode& electrode) {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (const Conductor& c : electrode.conductors) {
        for (const Point& p : {c.from, c.to}) {
            x0 = std::min(x0, p.x);
            y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x);
            y1 = std::max(y1, p.y);
        }
    }
    return {0.5 * (x0 + x1), 0.5 * (y0 + y1), 0};
}

// How far the electrode reaches from its centre across the surface.
double ReachOf(const Electrode& electrode, Point centre) {
    double reach = 0;
    for (const Conductor& c : electrode.conductors)
        reach = std::max({reach, HorizontalDistance(c.from, centre) + c.radius,
                          HorizontalDistance(c.to, centre) + c.radius});
    return reach;
}

// The electrode and the current probe, each solved alone in the soil, placed on the line of measurement.
// Neither is disturbed by the other's presence: the probes are small and far from the electrode, which is
// what every fall-of-potential layout takes for granted.
class Layout {
  public:
    Layout(const Solution& electrode, const Solution& probe, Point centre, double degrees)
        : electrode_(electrode), probe_(probe), centre_(centre) {
        const double angle = degrees * std::numbers::pi / 180;
        along_ = {std::cos(angle), std::sin(angle), 0};
    }

    // R(x) = (V_E - V_P(x)) / I with +I into the electrode and -I into the current probe at D
    // (superposition of the two fields). By reciprocity the current probe's potential on the equipotential
    // electrode per ampere is the electrode's potential per ampere at the probe (Sunde 1949, ch. 2: the
    // mutual resistance is symmetric), taken at the probe's top: over the probe's length it changes by
    // (length / D)^2 / 6 of itself.
    //   V_E / I = R_E - U_E(C),   V_P / I = U_E(P) - U_C(P),
    // U_E the electrode's potential per ampere, U_C the probe's.
    double Resistance(double d, double x) const {
        const Point c = At(d);
        const Point p = At(x);
        const Point fromProbe{p.x - c.x, p.y - c.y, 0};
        return electrode_.resistance - PotentialAt(electrode_, c) - PotentialAt(electrode_, p) +
               PotentialAt(probe_, fromProbe);
    }

  private:
    Point At(double distance) const { return centre_ + distance * along_; }

    const Solution& electrode_;
    const Solution& probe_;
    Point centre_;
    Point along_;
};

// The first x / D where the curve rises through the true resistance, bracketed on steps of 1 % of D and
// bisected to a millionth of D; unset when no step brackets it.
std::optional<double> TrueFraction(const Layout& layout, double d, double trueResistance) {
    const auto below = [&](double fraction) { return layout.Resistance(d, fraction * d) < trueResistance; };
    double low = kScanStep;
    if (!below(low))
        return std::nullopt;
    for (double high = low + kScanStep; high <= kLastFraction + 1e-9; high += kScanStep) {
        if (below(high)) {
            low = high;
            continue;
        }
        while (high - low > 1e-6) {
            const double middle = 0.5 * (low + high);
            (below(middle) ? low : high) = middle;
        }
        return 0.5 * (low + high);
    }
    return std::nullopt;
}

// The plateau check's spread: the largest less the smallest R between 52 % and 72 % of D (both ends and
// every step of 1 % of D between them), in per cent of R at 61.8 %.
double PlateauSpreadPercent(const Layout& layout, double d) {
    const double atTrueFraction = layout.Resistance(d, analysis::kTrueFraction * d);
    double least = atTrueFraction, most = atTrueFraction;
    const int steps =
        static_cast<int>(std::lround((analysis::kPlateauHigh - analysis::kPlateauLow) / kScanStep));
    for (int k = 0; k <= steps; ++k) {
        const double fraction = analysis::kPlateauLow + k * kScanStep;
        const double r = layout.Resistance(d, fraction * d);
        least = std::min(least, r);
        most = std::max(most, r);
    }
    return 100 * (most - least) / atTrueFraction;
}

// The smallest D with a plateau within `flatness`: D doubled from just beyond the electrode until the
// spread is small enough, then bisected to 0.5 % of D. The spread falls as D grows (the electrode's and
// the probe's fields overlap less), so the first D that passes is the smallest.
std::optional<double> PlateauDistance(const Layout& layout, double reach, double flatness) {
    const auto flat = [&](double d) { return PlateauSpreadPercent(layout, d) <= flatness; };
    double low = std::max(1.5 * reach, 1.0);
    if (flat(low))
        return low;
    double high = 2 * low;
    while (!flat(high)) {
        low = high;
        high *= 2;
        if (high > kMaxCurrentProbe)
            return flat(kMaxCurrentProbe) ? std::optional<double>(kMaxCurrentProbe) : std::nullopt;
    }
    while (high / low > 1.005) {
        const double middle = 0.5 * (low + high);
        (flat(middle) ? high : low) = middle;
    }
    return high;
}

std::vector<double> Positions(const FopPlanRequest& request) {
    if (!request.positions.empty())
        return request.positions;
    std::vector<double> positions;
    for (int k = 1; k <= request.curvePoints; ++k)
        positions.push_back(request.currentProbe * k / (request.curvePoints + 1));
    return positions;
}

std::optional<FopPlanStatus> FailureOf(SolveStatus status) {
    switch (status) {
        case SolveStatus::Solved:
            return std::nullopt;
        case SolveStatus::BadSoil:
            return FopPlanStatus::BadSoil;
        case SolveStatus::BadElectrode:
            return FopPlanStatus::BadElectrode;
        case SolveStatus::NotConverged:
        case SolveStatus::Singular:
        case SolveStatus::Stopped:
            break;
    }
    return FopPlanStatus::NotSolved;
}

std::optional<FopPlanStatus> CheckRequest(const Electrode& electrode, const Soil& soil,
                                          const FopPlanRequest& request) {
    if (!(request.flatnessPercent > 0) || !std::isfinite(request.flatnessPercent))
        return FopPlanStatus::BadFlatness;
    if (request.positions.empty() && (request.curvePoints < 2 || request.curvePoints > kMaxCurvePoints))
        return FopPlanStatus::BadCurvePoints;
    if (request.positions.size() > kMaxCurvePoints)
        return FopPlanStatus::BadCurvePoints;
    for (double x : request.positions) {
        if (!(x > 0) || !(x < request.currentProbe))
            return FopPlanStatus::BadCurvePoints;
    }
    if (!std::isfinite(request.directionDegrees))
        return FopPlanStatus::BadCurrentProbe;
    if (CheckSoil(soil) != SoilFault::None)
        return FopPlanStatus::BadSoil;
    if (CheckElectrode(electrode) != ElectrodeFault::None)
        return FopPlanStatus::BadElectrode;
    const double d = request.currentProbe;
    if (!std::isfinite(d) || d > kMaxCurrentProbe || d <= ReachOf(electrode, CentreOf(electrode)))
        return FopPlanStatus::BadCurrentProbe;
    if (!(request.probe.length > 0) || !(request.probe.radius > 0) || !std::isfinite(request.probe.length) ||
        !std::isfinite(request.probe.radius))
        return FopPlanStatus::BadProbe;
    return std::nullopt;
}

}  // namespace

FopPlan PlanFallOfPotential(const Electrode& electrode, const Soil& soil, const FopPlanRequest& request,
                            const SolveOptions& options) {
    FopPlan plan;
    if (const auto refused = CheckRequest(electrode, soil, request)) {
        plan.status = *refused;
        return plan;
    }
    const Solution solved = Solve(electrode, soil, options);
    if (const auto failed = FailureOf(solved.status)) {
        plan.status = *failed;
        return plan;
    }
    Electrode probeRod;
    AddRod(probeRod, {0, 0, 0}, request.probe.length, request.probe.radius);
    const Solution probe = Solve(probeRod, soil, options);
    if (const auto failed = FailureOf(probe.status)) {
        plan.status = failed == FopPlanStatus::BadElectrode ? FopPlanStatus::BadProbe : *failed;
        return plan;
    }
    const Point centre = CentreOf(electrode);
    const Layout layout(solved, probe, centre, request.directionDegrees);
    const double d = request.currentProbe;
    plan.trueResistance = solved.resistance;
    for (double x : Positions(request))
        plan.curve.push_back({x, x / d, layout.Resistance(d, x)});
    plan.trueFraction = TrueFraction(layout, d, solved.resistance);
    plan.plateauSpreadPercent = PlateauSpreadPercent(layout, d);
    plan.plateauDistance = PlateauDistance(layout, ReachOf(electrode, centre), request.flatnessPercent);
    return plan;
}

}  // namespace terrovane::electrode

// The fall-of-potential curve predicted from the soil model against what is known of it: the small
// electrode's 61.8 % in uniform soil, a curve that rises, the current probe's share vanishing as it goes
// far, the position moving in layered soil, and the plateau needing a farther probe for a larger electrode.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "FallOfPotentialPlan.h"
#include "Potential.h"
#include "Shapes.h"
#include "TestElectrodes.h"

namespace terrovane::electrode {
namespace {

Electrode Grid20m() {
    Electrode e;
    AddGrid(e, {20, 20, 5, 5, 0.5, 0.005});
    return e;
}

FopPlanRequest At(double currentProbe) {
    FopPlanRequest request;
    request.currentProbe = currentProbe;
    return request;
}

// A surface point source's potential per ampere in uniform soil.
double Hemisphere(double rho, double r) {
    return rho / (2 * kPi * r);
}

// A hemisphere of resistance R_E with a point current probe at D reads
//   R(x) = R_E - rho/(2 pi) (1/D + 1/x - 1/(D - x)),
// which equals R_E where x/D = (sqrt 5 - 1)/2 = 0.618 (Curdts 1958). A 1 m rod differs from the hemisphere
// by (L/x)^2/6 of its potential, the 0.4 m probe rod from a point by less: at 50 m from them under
// 0.01 %, which moves the crossing by under 1e-4 of D; the bisection stops at 1e-6 of D. So 0.001 of D
// is room for the solver's quadrature, not for the physics.
TEST(FallOfPotentialPlan, SmallRodInUniformSoilReadsItsResistanceAt618PercentAndTheCurveRises) {
    for (double d : {50.0, 100.0, 400.0}) {
        FopPlanRequest request = At(d);
        request.curvePoints = 49;
        const FopPlan plan = PlanFallOfPotential(Rod(1, 0.01), Uniform(100), request);
        ASSERT_EQ(plan.status, FopPlanStatus::Planned);
        ASSERT_TRUE(plan.trueFraction.has_value());
        EXPECT_NEAR(*plan.trueFraction, (std::sqrt(5.0) - 1) / 2, 0.001) << d;
        ASSERT_EQ(plan.curve.size(), 49u);
        for (std::size_t k = 1; k < plan.curve.size(); ++k)
            EXPECT_GT(plan.curve[k].resistance, plan.curve[k - 1].resistance) << d << " " << k;
        for (const FopPlanPoint& p : plan.curve) {
            if (p.distance < 10 || p.distance > d - 10)
                continue;
            const double hemisphere = plan.trueResistance - Hemisphere(100, d) - Hemisphere(100, p.distance) +
                                      Hemisphere(100, d - p.distance);
            EXPECT_NEAR(p.resistance, hemisphere, 0.01) << d << " " << p.distance;
            EXPECT_NEAR(p.fraction, p.distance / d, 1e-12);
        }
    }
}

// With the current probe far away only the electrode's own field is left: R(x) = R_E - U_E(x). What the
// probe adds, U_C(x) - U_E(D), is in uniform soil rho/(2 pi) (1/(D - x) - 1/D) and falls as x/D^2.
TEST(FallOfPotentialPlan, CurrentProbeFarAwayLeavesTheElectrodesOwnField) {
    const Solution alone = Solve(Rod(1, 0.01), Uniform(100));
    for (double d : {1e3, 1e4, 1e5}) {
        FopPlanRequest request = At(d);
        request.positions = {2, 5, 10, 20};
        const FopPlan plan = PlanFallOfPotential(Rod(1, 0.01), Uniform(100), request);
        ASSERT_EQ(plan.status, FopPlanStatus::Planned);
        ASSERT_EQ(plan.curve.size(), 4u);
        for (const FopPlanPoint& p : plan.curve) {
            const double ownField = alone.resistance - PotentialAt(alone, {p.distance, 0, 0});
            const double probeShare = Hemisphere(100, d - p.distance) - Hemisphere(100, d);
            EXPECT_NEAR(p.resistance - ownField, probeShare, 0.01 * probeShare) << d << " " << p.distance;
            EXPECT_LT(std::fabs(p.resistance - ownField), 1e-3 * ownField);
        }
    }
}

// Two-layer soil, 5 m over the bottom, D = 30 m. The apparent resistivity changes with distance from the
// top's to the bottom's, and the nearer of the two probes' fields (the current probe's at D - x against
// the electrode's at x and D) weighs the more: a conductive bottom lowers the far potentials, the curve
// reaches R_E sooner and the position moves towards the electrode; a resistive bottom moves it away. With D
// far beyond the layer the bottom's soil is all the probes see, and 61.8 % returns.
TEST(FallOfPotentialPlan, LayeredSoilMovesThePosition) {
    const auto fractionIn = [](double bottom, double d) {
        const FopPlan plan = PlanFallOfPotential(Rod(1, 0.01), Soil{{100, bottom}, {5}}, At(d));
        EXPECT_EQ(plan.status, FopPlanStatus::Planned);
        return plan.trueFraction;
    };
    const auto conductive = fractionIn(100.0 / 9, 30);  // k = -0.8
    const auto resistive = fractionIn(900, 30);         // k = +0.8
    const auto equal = fractionIn(100, 30);
    ASSERT_TRUE(conductive && resistive && equal);
    EXPECT_NEAR(*equal, 0.618, 0.001);
    EXPECT_LT(*conductive, 0.56);
    EXPECT_GT(*resistive, 0.75);
    const auto farConductive = fractionIn(100.0 / 9, 3000);
    ASSERT_TRUE(farConductive);
    EXPECT_NEAR(*farConductive, 0.618, 0.002);
    // Over an almost insulating bottom the current spreads in the top layer as on a plane and the potential
    // falls with the logarithm of distance: R_E is far above what any reading short of the current probe
    // shows.
    const FopPlan insulated = PlanFallOfPotential(Rod(0.5, 0.01), Soil{{100, 1e7}, {2}}, At(30));
    ASSERT_EQ(insulated.status, FopPlanStatus::Planned);
    EXPECT_FALSE(insulated.trueFraction.has_value());
    EXPECT_LT(insulated.curve.back().resistance, insulated.trueResistance);
}

// For a hemisphere the plateau's spread is rho/(2 pi D R_E) (1/0.28 - 1/0.72 + 1/0.52 - 1/0.48) (the
// curve above, which rises throughout), so the smallest D for a flatness f is that constant over f R_E:
// proportional to the electrode's size through rho/(2 pi R_E), and inversely to the flatness. A rod and a
// grid both follow it within 3 % once D is well beyond them.
TEST(FallOfPotentialPlan, PlateauNeedsAFartherProbeForALargerElectrode) {
    const double spreadFactor = 1 / 0.28 - 1 / 0.72 + 1 / 0.52 - 1 / 0.48;
    const auto hemisphereDistance = [&](double trueResistance, double flatness) {
        return spreadFactor * Hemisphere(100, 1) / trueResistance / (flatness / 100);
    };
    const FopPlan rod = PlanFallOfPotential(Rod(3, 0.008), Uniform(100), At(100));
    const FopPlan grid = PlanFallOfPotential(Grid20m(), Uniform(100), At(100));
    ASSERT_TRUE(rod.plateauDistance && grid.plateauDistance);
    EXPECT_NEAR(*rod.plateauDistance, hemisphereDistance(rod.trueResistance, 5), 0.03 * *rod.plateauDistance);
    EXPECT_NEAR(*grid.plateauDistance, hemisphereDistance(grid.trueResistance, 5),
                0.03 * *grid.plateauDistance);
    EXPECT_GT(*grid.plateauDistance, 10 * *rod.plateauDistance);

    FopPlanRequest looser = At(100);
    looser.flatnessPercent = 10;
    const FopPlan rodLooser = PlanFallOfPotential(Rod(3, 0.008), Uniform(100), looser);
    ASSERT_TRUE(rodLooser.plateauDistance);
    EXPECT_NEAR(*rodLooser.plateauDistance, *rod.plateauDistance / 2, 0.03 * *rod.plateauDistance);

    // The distance found is where the check turns: just beyond it the spread passes, just short it fails.
    const FopPlan beyond = PlanFallOfPotential(Grid20m(), Uniform(100), At(1.01 * *grid.plateauDistance));
    const FopPlan shortOf = PlanFallOfPotential(Grid20m(), Uniform(100), At(0.98 * *grid.plateauDistance));
    EXPECT_LE(beyond.plateauSpreadPercent, 5);
    EXPECT_GT(shortOf.plateauSpreadPercent, 5);
}

// A large electrode near the current probe pulls the position beyond 61.8 %, and less so as the probe goes
// farther. The line turns with the direction: a long grid measured along its length and across it.
TEST(FallOfPotentialPlan, LargeElectrodeAndTheDirectionOfTheLine) {
    double previous = 1;
    for (double d : {30.0, 60.0, 100.0}) {
        const FopPlan plan = PlanFallOfPotential(Grid20m(), Uniform(100), At(d));
        ASSERT_TRUE(plan.trueFraction);
        EXPECT_GT(*plan.trueFraction, 0.618) << d;
        EXPECT_LT(*plan.trueFraction, previous) << d;
        previous = *plan.trueFraction;
    }
    Electrode strip;
    AddGrid(strip, {40, 10, 3, 9, 0.5, 0.005});
    const auto alongLine = [&](double degrees) {
        FopPlanRequest request = At(60);
        request.directionDegrees = degrees;
        return PlanFallOfPotential(strip, Uniform(100), request);
    };
    const FopPlan along = alongLine(0), back = alongLine(180), across = alongLine(90);
    ASSERT_TRUE(along.trueFraction && back.trueFraction && across.trueFraction);
    EXPECT_NEAR(*along.trueFraction, *back.trueFraction, 1e-4);
    EXPECT_GT(std::fabs(*along.trueFraction - *across.trueFraction), 0.002);
    EXPECT_NEAR(along.curve[10].resistance, back.curve[10].resistance, 1e-4 * along.trueResistance);
}

TEST(FallOfPotentialPlan, RefusesWhatItCannotPlan) {
    const auto statusOf = [](const Electrode& e, const Soil& soil, FopPlanRequest request) {
        return PlanFallOfPotential(e, soil, request).status;
    };
    EXPECT_EQ(statusOf(Grid20m(), Uniform(100), At(12)), FopPlanStatus::BadCurrentProbe);
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), At(0)), FopPlanStatus::BadCurrentProbe);
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), At(2e5)), FopPlanStatus::BadCurrentProbe);
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), At(std::nan(""))), FopPlanStatus::BadCurrentProbe);
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(-1), At(50)), FopPlanStatus::BadSoil);
    EXPECT_EQ(statusOf(Electrode{}, Uniform(100), At(50)), FopPlanStatus::BadElectrode);
    FopPlanRequest request = At(50);
    request.flatnessPercent = 0;
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), request), FopPlanStatus::BadFlatness);
    request = At(50);
    request.positions = {10, 50};
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), request), FopPlanStatus::BadCurvePoints);
    request = At(50);
    request.curvePoints = 1;
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), request), FopPlanStatus::BadCurvePoints);
    request = At(50);
    request.probe.radius = 0;
    EXPECT_EQ(statusOf(Rod(1, 0.01), Uniform(100), request), FopPlanStatus::BadProbe);
}

}  // namespace
}  // namespace terrovane::electrode

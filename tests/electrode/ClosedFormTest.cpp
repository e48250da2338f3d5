// The solver in uniform soil against closed forms: Dwight's rod, the far field of any electrode (a
// hemisphere's on the surface, a sphere's deep down), a deeply buried wire, and what a solution must hold
// whatever the soil: the currents add up to the current in, symmetric electrodes leak symmetrically,
// and the refinement settles.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Potential.h"
#include "Shapes.h"
#include "Solver.h"
#include "TestElectrodes.h"

namespace terrovane::electrode {
namespace {

// Dwight, "Calculation of resistances to ground", AIEE Trans. 55, 1936: R = rho/(2 pi L) (ln(4L/a) - 1).
TEST(ClosedForm, RodFromTheSurfaceIsDwightsWithinTwoPercent) {
    for (const auto& [length, radius] : {std::pair{3.0, 0.008}, {10.0, 0.01}, {1.5, 0.0125}}) {
        const Solution s = Solve(Rod(length, radius), Uniform(100));
        ASSERT_EQ(s.status, SolveStatus::Solved);
        const double dwight = 100 / (2 * kPi * length) * (std::log(4 * length / radius) - 1);
        EXPECT_NEAR(s.resistance, dwight, 0.02 * dwight) << length;
        EXPECT_GE(s.levels.size(), 2u);
    }
}

TEST(ClosedForm, ResistanceScalesWithResistivity) {
    const double r100 = Solve(Rod(3, 0.008), Uniform(100)).resistance;
    const double r250 = Solve(Rod(3, 0.008), Uniform(250)).resistance;
    EXPECT_NEAR(r250 / r100, 2.5, 1e-9);
}

// Far away every electrode on the surface looks like a hemisphere, rho I / (2 pi d), and every electrode
// deep down like a sphere in full space, rho I / (4 pi d).
TEST(ClosedForm, FarFieldIsAHemisphereOnTheSurfaceAndASphereDeepDown) {
    const Solution rod = Solve(Rod(3, 0.008), Uniform(100));
    for (double d : {300.0, 1000.0})
        EXPECT_NEAR(PotentialAt(rod, {d, 0, 0}), 100 / (2 * kPi * d), 0.002 * 100 / (2 * kPi * d));
    Electrode deep;
    AddRod(deep, {0, 0, 5000}, 3, 0.008);
    const Solution sphere = Solve(deep, Uniform(100));
    // The surface's mirror image 10 km up still adds 3 % at 300 m.
    const double sphereAndMirror = 100 / (4 * kPi) * (1 / 300.0 + 1 / std::hypot(300, 10003));
    EXPECT_NEAR(PotentialAt(sphere, {300, 0, 5001.5}), sphereAndMirror, 0.002 * sphereAndMirror);
}

// A straight wire far from any boundary: R = rho/(2 pi L) (ln(2L/a) - 1) (Sunde 1949, eq. 3.32; the same
// as Dwight's rod with its mirror image making it twice as long).
TEST(ClosedForm, DeeplyBuriedWireIsSundes) {
    Electrode wire;
    wire.conductors.push_back({{0, 0, 2000}, {20, 0, 2000}, 0.005});
    const Solution s = Solve(wire, Uniform(100));
    const double sunde = 100 / (2 * kPi * 20) * (std::log(2 * 20 / 0.005) - 1);
    EXPECT_NEAR(s.resistance, sunde, 0.02 * sunde);
}

// A horizontal wire of length 2l buried at depth s/2 (Dwight 1936):
//   R = rho/(4 pi l) (ln(4l/a) + ln(4l/s) - 2 + s/(2l) - s^2/(16 l^2) + s^4/(512 l^4)).
TEST(ClosedForm, BuriedHorizontalWireIsDwights) {
    for (const auto& [length, depth] : {std::pair{20.0, 0.5}, {50.0, 0.8}}) {
        Electrode wire;
        wire.conductors.push_back({{0, 0, depth}, {length, 0, depth}, 0.005});
        const double l = length / 2, s = 2 * depth, a = 0.005;
        const double dwight = 100 / (4 * kPi * l) *
                              (std::log(4 * l / a) + std::log(4 * l / s) - 2 + s / (2 * l) -
                               s * s / (16 * l * l) + std::pow(s, 4) / (512 * std::pow(l, 4)));
        EXPECT_NEAR(Solve(wire, Uniform(100)).resistance, dwight, 0.02 * dwight) << length;
    }
}

TEST(ClosedForm, CurrentsAddUpAndSymmetricElectrodesLeakSymmetrically) {
    Electrode e;
    AddGrid(e, {20, 20, 3, 3, 0.5, 0.005});
    const Solution s = Solve(e, Uniform(100));
    ASSERT_EQ(s.status, SolveStatus::Solved);
    double total = 0;
    for (double i : s.current)
        total += i;
    EXPECT_NEAR(total, 1, 1e-9);
    // The leakage per metre is largest at the grid's corners and least at its centre.
    double corner = 0, centre = 1e9;
    for (std::size_t k = 0; k < s.segments.size(); ++k) {
        const double perMetre = s.current[k] / s.segments[k].length;
        const Point m = s.segments[k].middle;
        if (std::hypot(m.x, m.y) < 3)
            corner = std::max(corner, perMetre);
        if (std::hypot(m.x - 10, m.y - 10) < 3)
            centre = std::min(centre, perMetre);
    }
    EXPECT_GT(corner, 1.5 * centre);
    // The potential map is symmetric in both diagonals of the square (to the discretisation's error:
    // the wires' surfaces are sampled on one side).
    const SurfaceMap map = MapSurface(s, {-5, -5, 25, 25}, 7, 7);
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j) {
            EXPECT_NEAR(map.At(i, j), map.At(j, i), 1e-3 * map.At(i, j));
            EXPECT_NEAR(map.At(i, j), map.At(6 - i, 6 - j), 1e-3 * map.At(i, j));
        }
    }
}

TEST(ClosedForm, RefinementSettlesAndStopsAtTheLimit) {
    Electrode e;
    AddGrid(e, {30, 30, 4, 4, 0.5, 0.005});
    const Solution s = Solve(e, Uniform(100));
    ASSERT_EQ(s.status, SolveStatus::Solved);
    ASSERT_GE(s.levels.size(), 2u);
    const Level& last = s.levels.back();
    const Level& before = s.levels[s.levels.size() - 2];
    EXPECT_LT(std::fabs(last.resistance - before.resistance) / last.resistance, 0.005);
    EXPECT_GT(last.segments, before.segments);
    SolveOptions few;
    few.maxSegments = 40;
    EXPECT_EQ(Solve(e, Uniform(100), few).status, SolveStatus::NotConverged);
}

// In a grid of equal meshes the corner meshes hold the largest touch voltage (what the mesh-voltage
// formulas are built on).
TEST(ClosedForm, TouchVoltageIsLargestInACornerMesh) {
    Electrode e;
    AddGrid(e, {30, 30, 4, 4, 0.5, 0.005});
    const Solution s = Solve(e, Uniform(100));
    const SurfaceMap map = MapSurface(s, {0, 0, 30, 30}, 61, 61);
    const TouchAndStep worst = LargestTouchAndStep(s, map, 1000);
    const double gpr = 1000 * s.resistance;
    EXPECT_GT(worst.touch.volts, 0.1 * gpr);
    EXPECT_LT(worst.touch.volts, gpr);
    const auto outer = [](double v) { return v < 10 || v > 20; };
    EXPECT_TRUE(outer(worst.touch.at.x) && outer(worst.touch.at.y))
        << worst.touch.at.x << " " << worst.touch.at.y;
    EXPECT_GT(worst.step.volts, 0);
    EXPECT_LT(worst.step.volts, worst.touch.volts);
}

TEST(ClosedForm, RefusesWhatItCannotCompute) {
    EXPECT_EQ(Solve(Electrode{}, Uniform(100)).status, SolveStatus::BadElectrode);
    EXPECT_EQ(Solve(Rod(3, 0), Uniform(100)).status, SolveStatus::BadElectrode);
    EXPECT_EQ(Solve(Rod(3, std::nan("")), Uniform(100)).status, SolveStatus::BadElectrode);
    Electrode above;
    AddRod(above, {0, 0, -1}, 3, 0.008);
    EXPECT_EQ(Solve(above, Uniform(100)).status, SolveStatus::BadElectrode);
    Electrode point;
    point.conductors.push_back({{0, 0, 1}, {0, 0, 1}, 0.01});
    EXPECT_EQ(Solve(point, Uniform(100)).status, SolveStatus::BadElectrode);
    EXPECT_EQ(Solve(Rod(3, 0.008), Uniform(-5)).status, SolveStatus::BadSoil);
    EXPECT_EQ(Solve(Rod(3, 0.008), Soil{{100, 200}, {}}).status, SolveStatus::BadSoil);
    EXPECT_EQ(Solve(Rod(3, 0.008), Soil{{100, 200}, {0}}).status, SolveStatus::BadSoil);
    EXPECT_EQ(Solve(Rod(3, 0.008), Soil{{}, {}}).status, SolveStatus::BadSoil);
    // A refused solution has no potential rather than a crash.
    const Solution refused = Solve(Rod(3, 0.008), Uniform(-5));
    EXPECT_TRUE(std::isnan(PotentialAt(refused, {1, 0, 0})));
    EXPECT_TRUE(std::isnan(MapSurface(refused, {0, 0, 1, 1}, 2, 2).At(1, 1)));
}

}  // namespace
}  // namespace terrovane::electrode

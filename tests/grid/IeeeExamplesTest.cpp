// IEEE Std 80-2013's worked examples of a square grid, without rods and with 20 rods of 7.5 m on its
// perimeter, and of a 84 m x 63 m rectangular grid with 38 rods of 10 m. The standard prints values worked
// with factors rounded to two or three digits, so each is checked to the precision printed, or computed
// from the rounded factors where the rounding moves the last digit.
#include <gtest/gtest.h>

#include "Assessment.h"
#include "BodyLimits.h"
#include "GridFixtures.h"

namespace terrovane::grid {
namespace {

TEST(IeeeExamples, SquareGridWithoutRodsIsNotSafe) {
    const Assessment a = Assess(SquareExample(), GivenSoil(kExampleSoil));
    EXPECT_NEAR(a.surfaceFactor, 0.74, 0.005);
    EXPECT_NEAR(a.tolerableTouch, 840.5, 0.1);  // 838.2 V in the standard, from Cs rounded to 0.74
    EXPECT_NEAR(TolerableTouchVoltage(70, 0.74, 2500, 0.5), 838.2, 0.05);
    EXPECT_NEAR(TolerableStepVoltage(70, 0.74, 2500, 0.5), 2686.6, 0.05);
    EXPECT_NEAR(a.gridResistance, 2.78, 0.005);
    EXPECT_NEAR(a.current.current, 1908, 1e-9);
    EXPECT_NEAR(1908 * 2.78, 5304, 0.5);  // the standard's GPR, from Rg rounded to 2.78
    EXPECT_NEAR(a.gpr, 5296, 1);
    EXPECT_NEAR(a.factors.n, 11, 1e-9);
    EXPECT_NEAR(a.factors.km, 0.89, 0.005);
    EXPECT_NEAR(a.factors.ki, 2.272, 1e-9);
    EXPECT_NEAR(a.factors.ks, 0.406, 0.0005);
    EXPECT_NEAR(a.factors.lm, 1540, 1e-9);
    EXPECT_NEAR(kExampleSoil * 0.89 * 2.272 * 1908 / 1540, 1002.1, 0.05);
    EXPECT_NEAR(a.meshVoltage, 1001.6, 0.1);
    EXPECT_FALSE(a.schwarz.has_value());
    EXPECT_EQ(a.verdict, Verdict::Unsafe);
    ASSERT_EQ(a.reasons.size(), 1u);
    EXPECT_EQ(a.reasons[0].code, ReasonCode::MeshAboveTouch);
    EXPECT_NEAR(a.reasons[0].Excess(), 1001.6 - 840.5, 0.2);
    EXPECT_TRUE(a.warnings.empty());
}

TEST(IeeeExamples, SquareGridWithPerimeterRodsIsSafe) {
    GridDesign design = SquareExample();
    design.rods = GroundRods{20, 7.5, 0.016, RodPlacement::Perimeter};
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_NEAR(a.gridResistance, 2.75, 0.005);
    EXPECT_NEAR(1908 * 2.75, 5247, 0.5);
    EXPECT_NEAR(a.factors.kii, 1, 1e-12);
    EXPECT_NEAR(a.factors.km, 0.77, 0.005);
    EXPECT_NEAR(a.factors.lm, 1786.4, 0.05);
    EXPECT_NEAR(a.factors.ls, 1282.5, 1e-9);
    EXPECT_NEAR(kExampleSoil * 0.77 * 2.272 * 1908 / 1786.4, 747.4, 0.05);
    EXPECT_NEAR(a.meshVoltage, 747.4, 0.005 * 747.4);  // Km 0.7717 unrounded
    EXPECT_NEAR(a.stepVoltage, 548.9, 0.3);
    ASSERT_TRUE(a.schwarz.has_value());
    // Schwarz's formula by hand: k1 1.354 and k2 5.588 (0.5 m is 0.071 of the way to sqrt(A)/10),
    // R1 2.884, R2 4.553, Rm 2.582 ohm, Rg 2.844 ohm.
    EXPECT_NEAR(a.schwarz->grid, 2.884, 0.001);
    EXPECT_NEAR(a.schwarz->rods, 4.553, 0.001);
    EXPECT_NEAR(a.schwarz->mutual, 2.582, 0.001);
    EXPECT_NEAR(a.schwarz->total, 2.844, 0.001);
    EXPECT_LT(a.schwarz->total, a.schwarz->grid);  // rods only ever lower the grid's own resistance
    EXPECT_EQ(a.verdict, Verdict::Safe);
    ASSERT_EQ(a.reasons.size(), 2u);
    EXPECT_EQ(a.reasons[0].code, ReasonCode::MeshBelowTouch);
    EXPECT_EQ(a.reasons[1].code, ReasonCode::StepBelowStep);
    EXPECT_LT(a.reasons[0].Excess(), 0);
}

TEST(IeeeExamples, RectangularGridWithRods) {
    GridDesign design = SquareExample();
    design.grid = {GridShape::Rectangular, 84, 63, 10, 13, 0.5, 0.01, 0, 0};
    design.rods = GroundRods{38, 10, 0.016, RodPlacement::Perimeter};
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_NEAR(a.geometry.conductorLength, 1659, 1e-9);
    EXPECT_NEAR(a.geometry.area, 5292, 1e-9);
    EXPECT_NEAR(a.gridResistance, 2.62, 0.005);
    EXPECT_NEAR(a.factors.na, 11.29, 0.005);
    EXPECT_NEAR(a.factors.nb, 1.005, 0.0005);
    EXPECT_NEAR(a.factors.n, 11.35, 0.01);  // the standard multiplies na and nb rounded
    EXPECT_NEAR(a.factors.km, 0.77, 0.005);
    EXPECT_NEAR(a.factors.ki, 2.32, 0.005);
    EXPECT_NEAR(a.factors.lm, 2292.2, 0.05);
    EXPECT_NEAR(a.factors.ls, 1567.3, 0.05);
    EXPECT_NEAR(kExampleSoil * 0.77 * 2.324 * 1908 / 2292.15, 595.8, 0.05);
    EXPECT_NEAR(a.meshVoltage, 595.8, 0.005 * 595.8);
    EXPECT_EQ(a.verdict, Verdict::Safe);
}

}  // namespace
}  // namespace terrovane::grid

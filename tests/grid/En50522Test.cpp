// EN 50522's permissible touch voltage: the table's own points, the interpolation between them on the
// logarithmic axes, the ends, the added resistances and the verdict on the worked example's grid.
#include <gtest/gtest.h>

#include "Assessment.h"
#include "En50522.h"
#include "GridFixtures.h"

namespace terrovane::grid {
namespace {

TEST(En50522, TablePointsAndInterpolation) {
    EXPECT_EQ(PermissibleTouchVoltage(0.05).voltage, 716);
    EXPECT_EQ(PermissibleTouchVoltage(0.5).voltage, 220);
    EXPECT_EQ(PermissibleTouchVoltage(10).voltage, 85);
    EXPECT_NEAR(PermissibleTouchVoltage(0.3).voltage, 361.8, 0.1);  // 537 V at 0.2 s, 220 V at 0.5 s
    double previous = 1e9;
    for (double t = 0.05; t <= 10; t *= 1.1) {
        const PermissibleTouch touch = PermissibleTouchVoltage(t);
        EXPECT_LE(touch.voltage, previous);
        EXPECT_FALSE(touch.outsideTable);
        previous = touch.voltage;
    }
    EXPECT_TRUE(PermissibleTouchVoltage(0.01).outsideTable);
    EXPECT_EQ(PermissibleTouchVoltage(0.01).voltage, 716);
    EXPECT_TRUE(PermissibleTouchVoltage(30).outsideTable);
    EXPECT_EQ(PermissibleTouchVoltage(30).voltage, 85);
}

TEST(En50522, ResistancesInSeriesRaiseThePermissibleVoltage) {
    const PermissibleTouch touch = PermissibleTouchVoltage(0.5);
    EXPECT_NEAR(touch.bodyCurrent, 0.2, 1e-12);
    EXPECT_NEAR(PermissibleTouchWithResistances(touch, 1000, 0), 420, 1e-9);
    EXPECT_NEAR(PermissibleTouchWithResistances(touch, 1000, StandingResistance(2500)), 1170, 1e-9);
}

TEST(En50522, VerdictOnTheWorkedExample) {
    GridDesign design = SquareExample();
    Assessment a = Assess(design, GivenSoil(kExampleSoil), Standard::En50522);
    ASSERT_TRUE(a.en50522.has_value());
    EXPECT_EQ(a.en50522->permissibleTouch, 220);
    EXPECT_EQ(a.verdict, Verdict::Unsafe);
    ASSERT_EQ(a.reasons.size(), 1u);
    EXPECT_EQ(a.reasons[0].code, ReasonCode::TouchAbovePermissible);
    EXPECT_NEAR(a.reasons[0].limit, 220, 1e-9);
    // Footwear and the standing resistance on the crushed rock lift U_vTp to 1170 V, above Em.
    design.additional = {1000, true};
    a = Assess(design, GivenSoil(kExampleSoil), Standard::En50522);
    EXPECT_NEAR(a.en50522->permissibleWithResistances, 1170, 1e-9);
    EXPECT_EQ(a.verdict, Verdict::Safe);
    EXPECT_EQ(a.reasons[0].code, ReasonCode::TouchWithinPermissible);
    // A small fault: the earth potential rise stays within twice U_Tp.
    design.fault.gridCurrent = 100;
    a = Assess(design, GivenSoil(kExampleSoil), Standard::En50522);
    EXPECT_EQ(a.reasons[0].code, ReasonCode::EprWithinTwicePermissible);
    EXPECT_EQ(a.ieeeVerdict, Verdict::Safe);
}

}  // namespace
}  // namespace terrovane::grid

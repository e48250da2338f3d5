// The sweep that finds the smallest safe grid over meshes, rods and depth.
#include <gtest/gtest.h>

#include "GridFixtures.h"
#include "GridSweep.h"

namespace terrovane::grid {
namespace {

TEST(GridSweep, FindsASafeGridNoLargerThanTheWorkedExamples) {
    GridDesign base = SquareExample();
    base.rods = GroundRods{20, 7.5, 0.016, RodPlacement::Perimeter};
    const SweepOutcome outcome = FindSmallestSafeGrid(base, GivenSoil(kExampleSoil), Standard::Ieee80);
    EXPECT_EQ(outcome.tried, 1000);
    ASSERT_TRUE(outcome.smallest.has_value());
    EXPECT_EQ(outcome.assessment->verdict, Verdict::Safe);
    // The standard's safe design (10 meshes, 20 rods of 7.5 m, 0.5 m) is in the range: 1690 m buried.
    EXPECT_LE(outcome.assessment->geometry.totalLength, 1690);
    EXPECT_EQ(outcome.smallest->rods->length, 7.5);
    // Nothing smaller is safe: one fewer step of rods at the same meshes and depth fails.
    const int rods = outcome.smallest->rods ? outcome.smallest->rods->count : 0;
    if (rods >= 4) {
        GridDesign fewer = *outcome.smallest;
        fewer.rods->count = rods - 4;
        if (fewer.rods->count == 0)
            fewer.rods.reset();
        EXPECT_EQ(Assess(fewer, GivenSoil(kExampleSoil)).verdict, Verdict::Unsafe);
    }
}

TEST(GridSweep, NoSafeGridInTheRange) {
    GridDesign base = SquareExample();
    base.fault.gridCurrent = 200000;
    const SweepOutcome outcome = FindSmallestSafeGrid(base, GivenSoil(kExampleSoil), Standard::Ieee80);
    EXPECT_EQ(outcome.safe, 0);
    EXPECT_FALSE(outcome.smallest.has_value());
}

}  // namespace
}  // namespace terrovane::grid

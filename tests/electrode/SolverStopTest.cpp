// A stop asked for while the moment matrix is filled or factorised is seen within a row or a block: the
// solve gives up there and does no more work. Judged by the order of the calls, never by the time taken.
#include <gtest/gtest.h>

#include <atomic>

#include "GridFixtures.h"
#include "GridSafety.h"
#include "Shapes.h"
#include "Solver.h"

namespace terrovane::electrode {
namespace {

// 7 x 7 conductors of 42 m in segments of 2 m at most: a few hundred rows, several blocks of the
// factorisation.
Electrode Grid() {
    Electrode e;
    AddGrid(e, GridShape{42, 42, 7, 7, 0.5, 0.005});
    return e;
}
constexpr double kSegment = 2;
const Soil kTwoLayers{{400, 100}, {3}};

// One thread, so that the calls come in a known order: one before each row, then one before each block.
SolveOptions CountingStop(std::atomic<int>& calls, int stopAt) {
    SolveOptions options;
    options.threads = 1;
    options.stop = [&calls, stopAt] { return ++calls >= stopAt; };
    return options;
}

TEST(SolverStop, IsAskedOncePerRowAndPerBlockAndChangesNothingWhenNeverTrue) {
    std::atomic<int> calls{0};
    const Solution quiet = SolveWithSegments(Grid(), kTwoLayers, kSegment);
    const Solution asked = SolveWithSegments(Grid(), kTwoLayers, kSegment, CountingStop(calls, 1 << 30));
    ASSERT_EQ(asked.status, SolveStatus::Solved);
    const int rows = static_cast<int>(asked.segments.size());
    EXPECT_GT(rows, 5 * 64);  // a stop at the fifth block below is inside the factorisation
    EXPECT_EQ(calls.load(), rows + (rows + 63) / 64);
    // The blocked factorisation gives what the plain one gave.
    EXPECT_NEAR(asked.resistance, quiet.resistance, 1e-9 * quiet.resistance);
}

TEST(SolverStop, StopsWithinTheFillAndWithinTheFactorisation) {
    const int rows = static_cast<int>(SolveWithSegments(Grid(), kTwoLayers, kSegment).segments.size());
    for (int stopAt : {1, 100, rows + 1, rows + 5}) {
        std::atomic<int> calls{0};
        const Solution s = SolveWithSegments(Grid(), kTwoLayers, kSegment, CountingStop(calls, stopAt));
        EXPECT_EQ(s.status, SolveStatus::Stopped) << stopAt;
        // Given up at the call that said stop: not one row or block more was started.
        EXPECT_EQ(calls.load(), stopAt) << stopAt;
        EXPECT_TRUE(s.current.empty());
        EXPECT_EQ(s.resistance, 0);
    }
}

TEST(SolverStop, EveryThreadGivesUpAndTheRefinementEndsWithTheLevel) {
    std::atomic<int> calls{0};
    SolveOptions options;
    options.threads = 4;
    options.stop = [&calls] { return ++calls >= 50; };
    const Solution s = Solve(Grid(), kTwoLayers, options);
    EXPECT_EQ(s.status, SolveStatus::Stopped);
    // Once one thread has seen the stop the others do not ask again (those already asking finish).
    EXPECT_GE(calls.load(), 50);
    EXPECT_LE(calls.load(), 50 + options.threads - 1);
}

TEST(SolverStop, AStopInTheSolveStopsTheAssessment) {
    const grid::GridDesign design = grid::SquareExample();
    const grid::Assessment formulas = grid::Assess(design, grid::GivenSoil(grid::kExampleSoil));
    ComputedOptions options;
    bool mapped = false;
    options.solve.stop = [] { return true; };
    options.progress = [&mapped](double) {
        mapped = true;
        return true;
    };
    const ComputedSafety c = AssessInSoil(design, Soil{{grid::kExampleSoil}, {}}, formulas, options);
    EXPECT_EQ(c.status, ComputedStatus::Stopped);
    EXPECT_FALSE(mapped);  // the map was never begun
}

}  // namespace
}  // namespace terrovane::electrode

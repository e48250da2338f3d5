// A point is judged by its newest result that measured: a failed reading is an attempt, never a test.
#include <gtest/gtest.h>

#include "ArchiveFixtures.h"
#include "PointStanding.h"

namespace terrovane::archive::testing {
namespace {

Attempt At(const std::string& date, const std::string& time, std::int64_t id, bool measured) {
    return {date, time, id, measured};
}

TEST(PointStandingTest, TheNewestResultThatMeasuredStandsAndNewerFailedAttemptsAreCounted) {
    // In no particular order: a failed attempt the day after the last test, one the same day but earlier.
    const std::vector<Attempt> attempts = {
        At("2009-01-05", "10:00:00", 1, true),  At("2009-01-21", "09:00:00", 4, false),
        At("2009-01-20", "10:00:00", 2, true),  At("2009-01-20", "09:59:59", 3, false),
        At("2009-01-20", "10:00:01", 5, false),
    };
    const Standing standing = StandingOf(attempts);
    ASSERT_TRUE(standing.latest.has_value());
    EXPECT_EQ(attempts[*standing.latest].id, 2);
    EXPECT_EQ(standing.failedSince, 2);

    // Taken at the same second: the later archived is the newer.
    const Standing tie =
        StandingOf({At("2009-01-20", "10:00:00", 8, true), At("2009-01-20", "10:00:00", 9, true)});
    EXPECT_EQ(tie.latest, std::optional<std::size_t>(1));
    // A result whose date is no date is older than any dated one.
    EXPECT_TRUE(Newer(At("2001-01-01", "00:00:00", 1, true), At("", "23:59:59", 9, true)));
}

TEST(PointStandingTest, APointWithOnlyFailedAttemptsWasNeverTested) {
    const Standing none =
        StandingOf({At("2009-01-20", "10:00:00", 1, false), At("2009-01-21", "10:00:00", 2, false)});
    EXPECT_FALSE(none.latest.has_value());
    EXPECT_EQ(none.failedSince, 2);
    EXPECT_FALSE(StandingOf({}).latest.has_value());
    EXPECT_EQ(StandingOf({}).failedSince, 0);
}

TEST(PointStandingTest, AResultMeasuredWhenItsModesMainValueIsAReadingOrOverRange) {
    EXPECT_TRUE(Measured(MakeResult(1, 5, 1, 12.5f)));
    EXPECT_TRUE(Measured(MakeResult(1, 5, 1, 0.0f)));
    EXPECT_FALSE(Measured(MakeResult(1, 5, 1, -1.0f)));     // the instrument's failed reading
    EXPECT_TRUE(Measured(MakeResult(1, 5, 1, 350000.0f)));  // above the range: still a measurement
    EXPECT_TRUE(Measured(MakeResult(9, 5, 1, 250.0f)));
    EXPECT_FALSE(Measured(MakeResult(9, 5, 1, -1.0f)));
    EXPECT_FALSE(Measured(MakeResult(0, 5, 1, 12.5f)));  // no mode a main value belongs to

    const Attempt attempt = AttemptOf(7, MakeResult(1, 5, 1, -1.0f));
    EXPECT_EQ(attempt.date, "2009-01-05");
    EXPECT_EQ(attempt.time, "10:01:00");
    EXPECT_EQ(attempt.id, 7);
    EXPECT_FALSE(attempt.measured);
}

}  // namespace
}  // namespace terrovane::archive::testing

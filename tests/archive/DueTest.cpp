// Re-test dates: month arithmetic at month ends, inherited intervals, overdue points first.
#include <map>

#include "ArchiveFixtures.h"
#include "Due.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

TEST(DueTest, MonthsAreAddedWithTheDayClampedToTheMonthsEnd) {
    EXPECT_EQ(AddMonths("2024-01-31", 1), "2024-02-29");
    EXPECT_EQ(AddMonths("2023-01-31", 1), "2023-02-28");
    EXPECT_EQ(AddMonths("2024-11-15", 12), "2025-11-15");
    EXPECT_EQ(AddMonths("2024-08-31", 18), "2026-02-28");
    EXPECT_EQ(AddMonths("2024-02-30", 1), "");
    EXPECT_EQ(AddMonths("yesterday!", 1), "");
    EXPECT_EQ(Today().size(), 10u);
}

TEST_F(ArchiveTest, OverduePointsComeFirstAndPointsInheritTheSitesInterval) {
    auto archive = OpenArchive();
    // Measured 2009-01-05, 2009-01-20 and 2009-01-25.
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 2)},
                                                {1, MakeResult(1, 20, 1, 2)},
                                                {2, MakeResult(1, 25, 1, 2)}}))
                    .stored);
    std::string error;
    SiteFields yearly;
    yearly.name = "Yearly";
    yearly.intervalMonths = 12;
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, yearly, site, error)) << error;
    std::map<std::string, std::int64_t> ids;
    for (const auto& [name, interval] : std::vector<std::pair<std::string, std::optional<int>>>{
             {"inherits", std::nullopt}, {"monthly", 1}, {"never tested", std::nullopt}, {"quarterly", 3}}) {
        PointFields fields;
        fields.name = name;
        fields.intervalMonths = interval;
        ASSERT_TRUE(AddPoint(*archive, site, fields, ids[name], error)) << error;
    }
    SiteFields loose;
    loose.name = "No interval";
    std::int64_t looseSite = 0;
    std::int64_t loosePoint = 0;
    ASSERT_TRUE(AddSite(*archive, loose, looseSite, error)) << error;
    PointFields free;
    free.name = "free";
    ASSERT_TRUE(AddPoint(*archive, looseSite, free, loosePoint, error)) << error;
    ASSERT_TRUE(Assign(*archive, {1}, ids["inherits"], error)) << error;
    ASSERT_TRUE(Assign(*archive, {2}, ids["monthly"], error)) << error;
    ASSERT_TRUE(Assign(*archive, {3}, ids["quarterly"], error)) << error;
    ASSERT_TRUE(Assign(*archive, {1}, ids["inherits"], error)) << error;

    std::vector<DuePoint> due;
    ASSERT_TRUE(DueList(*archive, "2009-03-01", 0, due, error)) << error;
    std::vector<std::string> order;
    for (const DuePoint& point : due) {
        order.push_back(point.name + " " + point.dueOn + (point.overdue ? " overdue" : ""));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"never tested  overdue", "monthly 2009-02-20 overdue",
                                               "quarterly 2009-04-25", "inherits 2010-01-05", "free "}));
    EXPECT_EQ(due[1].lastTested, "2009-01-20");
    EXPECT_EQ(due[3].intervalMonths, 12);
    // A result taken off its point takes its date along.
    ASSERT_TRUE(Assign(*archive, {2}, std::nullopt, error)) << error;
    ASSERT_TRUE(AssignInOrder(*archive, {3}, looseSite, 0, error)) << error;
    due.clear();
    ASSERT_TRUE(DueList(*archive, "2009-03-01", 0, due, error)) << error;
    std::map<std::string, std::string> last;
    for (const DuePoint& point : due) {
        last[point.name] = point.lastTested + (point.overdue ? " overdue" : "");
    }
    EXPECT_EQ(last["monthly"], " overdue");
    EXPECT_EQ(last["quarterly"], " overdue");
    EXPECT_EQ(last["free"], "2009-01-25");
    EXPECT_EQ(last["inherits"], "2009-01-05");
    due.clear();
    ASSERT_TRUE(DueList(*archive, "2009-03-01", looseSite, due, error)) << error;
    ASSERT_EQ(due.size(), 1u);
    EXPECT_FALSE(due[0].overdue);
}

}  // namespace
}  // namespace terrovane::archive::testing

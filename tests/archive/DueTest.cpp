// Re-test dates: month arithmetic at month ends, inherited intervals, overdue points first.
#include <map>
#include <tuple>

#include "ArchiveFixtures.h"
#include "Due.h"
#include "ResultCheck.h"
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
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2009-03-01", 0), due));
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
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2009-03-01", 0), due));
    std::map<std::string, std::string> last;
    for (const DuePoint& point : due) {
        last[point.name] = point.lastTested + (point.overdue ? " overdue" : "");
    }
    EXPECT_EQ(last["monthly"], " overdue");
    EXPECT_EQ(last["quarterly"], " overdue");
    EXPECT_EQ(last["free"], "2009-01-25");
    EXPECT_EQ(last["inherits"], "2009-01-05");
    due.clear();
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2009-03-01", looseSite), due));
    ASSERT_EQ(due.size(), 1u);
    EXPECT_FALSE(due[0].overdue);
}

// The list is ordered by its group (overdue, due, no interval), due date, site name, place in the site and
// point id, whatever order the sites and points were made in and however many share a due date.
TEST_F(ArchiveTest, TiesAreOrderedBySiteNameThenPlaceThenPoint) {
    auto archive = OpenArchive();
    // Result i + 1 measured on 2009-01-05 (i even) or 2009-01-20.
    std::vector<std::pair<std::size_t, record::MeasurementRecord>> slots;
    for (std::size_t i = 0; i < 15; ++i) {
        slots.push_back(
            {i, MakeResult(1, i % 2 == 0 ? 5 : 20, static_cast<int>(i), 2.0f + static_cast<float>(i))});
    }
    ASSERT_TRUE(StoreImage(*archive, ImageWith(slots)).stored);
    std::string error;
    std::vector<std::int64_t> siteIds;
    std::vector<std::int64_t> pointIds;
    // Site names whose byte order differs from the order they were made in.
    for (const char* name : {"b", "Ä", "A", "a", "b2"}) {
        SiteFields fields;
        fields.name = name;
        if (std::string(name) != "b2") {
            fields.intervalMonths = 1;
        }
        siteIds.push_back(0);
        ASSERT_TRUE(AddSite(*archive, fields, siteIds.back(), error)) << error;
        for (const char* point : {"z", "y", "x"}) {
            PointFields pointFields;
            pointFields.name = point;
            pointIds.push_back(0);
            ASSERT_TRUE(AddPoint(*archive, siteIds.back(), pointFields, pointIds.back(), error)) << error;
        }
    }
    // Results of two dates spread over the points; two points of each site share a place in it.
    for (std::size_t i = 0; i < pointIds.size(); ++i) {
        if (i % 3 != 2) {
            ASSERT_TRUE(Assign(*archive, {static_cast<std::int64_t>(1 + i)}, pointIds[i], error)) << error;
        }
    }
    ASSERT_TRUE(archive->Write(
        [](Database& db, std::string&) {
            return db.Exec("UPDATE points SET ordinal = 7 WHERE name <> 'x'") == 0;
        },
        error))
        << error;

    std::vector<DuePoint> due;
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2009-02-10", 0), due));
    ASSERT_EQ(due.size(), pointIds.size());
    std::map<std::int64_t, int> ordinal;
    for (std::int64_t site : siteIds) {
        std::vector<PointRow> points;
        ASSERT_TRUE(Points(*archive, site, points, error)) << error;
        for (const PointRow& point : points) {
            ordinal[point.id] = point.ordinal;
        }
    }
    const auto key = [&](const DuePoint& point) {
        const int group = point.overdue ? 0 : point.intervalMonths ? 1 : 2;
        return std::make_tuple(group, point.dueOn, point.site, ordinal[point.point], point.point);
    };
    std::vector<std::string> order;
    for (std::size_t i = 0; i < due.size(); ++i) {
        order.push_back(due[i].site + "/" + due[i].name + " " + due[i].dueOn + (due[i].overdue ? "!" : ""));
        if (i > 0) {
            EXPECT_LT(key(due[i - 1]), key(due[i])) << i;
        }
    }
    // Names in byte order; "x" keeps its own place, "z" and "y" share one and go by id; "!" is overdue.
    EXPECT_EQ(order, (std::vector<std::string>{"A/x !", "a/x !", "b/x !", "Ä/x !", "A/z 2009-02-05!",
                                               "a/y 2009-02-05!", "b/z 2009-02-05!", "Ä/y 2009-02-05!",
                                               "A/y 2009-02-20", "a/z 2009-02-20", "b/y 2009-02-20",
                                               "Ä/z 2009-02-20", "b2/x ", "b2/z ", "b2/y "}));
}

// A failed reading is an attempt, not a test: it moves neither the last test nor the due date, assigned
// before or after the measured results, and a point with failed readings alone was never tested.
TEST_F(ArchiveTest, AFailedReadingNeverCountsAsTheLastTest) {
    auto archive = OpenArchive();
    // 1: measured 2009-01-05; 2: failed 2009-01-20; 3: failed 2009-01-25; 4: failed 2009-01-02.
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 4.0f)},
                                                {1, MakeResult(1, 20, 1, -1.0f)},
                                                {2, MakeResult(1, 25, 1, -1.0f)},
                                                {3, MakeResult(1, 2, 1, -1.0f)}}))
                    .stored);
    std::string error;
    SiteFields fields;
    fields.name = "Monthly";
    fields.intervalMonths = 1;
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, fields, site, error)) << error;
    std::int64_t tested = 0;
    std::int64_t failing = 0;
    PointFields point;
    point.name = "tested";
    ASSERT_TRUE(AddPoint(*archive, site, point, tested, error)) << error;
    point.name = "failing";
    ASSERT_TRUE(AddPoint(*archive, site, point, failing, error)) << error;
    ASSERT_TRUE(Assign(*archive, {2, 1, 4}, tested, error)) << error;
    ASSERT_TRUE(Assign(*archive, {3}, failing, error)) << error;

    std::vector<DuePoint> due;
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2009-02-10", site), due));
    std::map<std::string, DuePoint> byName;
    for (const DuePoint& each : due) {
        byName[each.name] = each;
    }
    EXPECT_EQ(byName["tested"].lastTested, "2009-01-05");
    EXPECT_EQ(byName["tested"].dueOn, "2009-02-05");
    EXPECT_TRUE(byName["tested"].overdue);
    EXPECT_EQ(byName["tested"].failedSince, 1);  // the 20th; the 2nd is older than the test
    EXPECT_EQ(byName["failing"].lastTested, "");
    EXPECT_EQ(byName["failing"].dueOn, "");
    EXPECT_TRUE(byName["failing"].overdue);
    EXPECT_EQ(byName["failing"].failedSince, 1);
}

}  // namespace
}  // namespace terrovane::archive::testing

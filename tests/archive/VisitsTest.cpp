// Visits of a site: kept in their own table and read back by Python's sqlite3, refused when they cannot be
// kept (nothing stored), results assigned to a visit of their own site only, and the calibration warning.
#include <cmath>
#include <functional>

#include "ArchiveFixtures.h"
#include "Sites.h"
#include "TypedResults.h"
#include "Visits.h"

namespace terrovane::archive::testing {
namespace {

class VisitsTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        siteId = NewSite("Mast 7");
        otherSite = NewSite("Substation");
        PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
        ASSERT_TRUE(AddPoint(*archive, otherSite, point, otherPoint, error)) << error;
        const auto image = ImageWith(
            {{0, MakeResult(1, 5, 3, 7.5f)}, {1, MakeResult(1, 5, 4, 8.5f)}, {2, MakeResult(1, 6, 5, 9.5f)}});
        ASSERT_TRUE(StoreImage(*archive, image).stored);
        ASSERT_EQ(ReadArchive(Path(), "SELECT id FROM results ORDER BY id"), "[[1], [2], [3]]");
        ASSERT_TRUE(Assign(*archive, {1, 2}, pointId, error)) << error;
        ASSERT_TRUE(Assign(*archive, {3}, otherPoint, error)) << error;
    }

    std::int64_t NewSite(const std::string& name) {
        SiteFields site;
        site.name = name;
        std::int64_t id = 0;
        EXPECT_TRUE(AddSite(*archive, site, id, error)) << error;
        return id;
    }

    Visit Sample() const {
        Visit visit;
        visit.site = siteId;
        visit.date = "2024-05-17";
        visit.by = "  Ana Novak, 李明 ";
        visit.instruments = {{"Earth tester", "SN 0042", "2024-05-01"}, {"Clamp meter", "", ""}};
        visit.weather = "overcast, light rain";
        visit.airTemperature = -3.5;
        visit.soil = SoilCondition::Frozen;
        visit.notes = "Gate locked;\nkey from the caretaker.";
        return visit;
    }

    std::int64_t Added(const Visit& visit) {
        const auto id = AddVisit(*archive, visit);
        EXPECT_TRUE(id) << id.Error().Text();
        return id ? id.Value() : 0;
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t otherSite = 0;
    std::int64_t pointId = 0;
    std::int64_t otherPoint = 0;
    std::string error;
};

TEST_F(VisitsTest, AVisitIsKeptAsGivenAndReadBackByAnotherReader) {
    const std::int64_t id = Added(Sample());
    EXPECT_EQ(
        ReadArchive(Path(),
                    "SELECT site_id, visited_on, visited_by = 'Ana Novak, 李明', weather, air_temperature, "
                    "soil, notes, length(uuid), modified IS NOT NULL FROM visits WHERE id = " +
                        std::to_string(id)),
        "[[" + std::to_string(siteId) +
            R"(, "2024-05-17", 1, "overcast, light rain", -3.5, "frozen", "Gate locked;\nkey from the caretaker.", 36, 1]])");
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT json_extract(i.value, '$.name'), json_extract(i.value, '$.serial'), "
                          "json_extract(i.value, '$.calibration_due') FROM visits, "
                          "json_each(visits.instruments) i ORDER BY i.key"),
              R"([["Earth tester", "SN 0042", "2024-05-01"], ["Clamp meter", "", ""]])");
    // The team sync learns of it.
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT count(*) FROM sync_outbox o JOIN visits v ON o.kind = 'visit' AND "
                          "o.ref = v.uuid"),
              "[[1]]");

    const auto back = VisitById(*archive, id);
    ASSERT_TRUE(back) << back.Error().Text();
    EXPECT_EQ(back.Value().by, "Ana Novak, 李明");
    ASSERT_EQ(back.Value().instruments.size(), 2u);
    EXPECT_EQ(back.Value().instruments[0].serial, "SN 0042");
    EXPECT_EQ(back.Value().airTemperature, -3.5);
    EXPECT_EQ(back.Value().soil, SoilCondition::Frozen);

    Visit edited = back.Value();
    edited.airTemperature.reset();
    edited.soil = SoilCondition::Unknown;
    edited.instruments.pop_back();
    ASSERT_TRUE(UpdateVisit(*archive, edited).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT air_temperature, soil, json_array_length(instruments) FROM visits"),
              "[[null, null, 1]]");
}

TEST_F(VisitsTest, AVisitThatCannotBeKeptIsRefusedWithItsReasonAndNothingIsStored) {
    const auto refused = [&](const std::function<void(Visit&)>& spoil, const std::string& reason) {
        Visit visit = Sample();
        spoil(visit);
        const auto added = AddVisit(*archive, visit);
        ASSERT_FALSE(added) << reason;
        EXPECT_EQ(added.Error().code, ErrorCode::Refused);
        EXPECT_NE(added.Error().Text().find(reason), std::string::npos) << added.Error().Text();
    };
    refused([](Visit& v) { v.date = "2023-02-29"; }, "2023-02-29");
    refused([](Visit& v) { v.date = "17.05.2024"; }, "17.05.2024");
    refused([](Visit& v) { v.instruments.push_back({" ", "  ", "2025-01-01"}); }, "name or a serial");
    refused([](Visit& v) { v.instruments[0].calibrationDue = "next spring"; }, "next spring");
    refused([](Visit& v) { v.airTemperature = 71; }, "-80 to 70");
    refused([](Visit& v) { v.airTemperature = std::nan(""); }, "-80 to 70");
    refused([](Visit& v) { v.notes = std::string(2001, 'x'); }, "2000");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM visits"), "[[0]]");

    Visit nowhere = Sample();
    nowhere.site = 999;
    const auto added = AddVisit(*archive, nowhere);
    ASSERT_FALSE(added);
    EXPECT_EQ(added.Error().code, ErrorCode::NoSuchItem);
    Visit missing = Sample();
    missing.id = 999;
    const Status updated = UpdateVisit(*archive, missing);
    ASSERT_FALSE(updated.Ok());
    EXPECT_EQ(updated.Error().code, ErrorCode::NoSuchItem);
    EXPECT_EQ(DeleteVisit(*archive, 999).Error().code, ErrorCode::NoSuchItem);
}

TEST_F(VisitsTest, ResultsJoinOneVisitOfTheirOwnSiteAndKeepTheirPoints) {
    const std::int64_t first = Added(Sample());
    Visit later = Sample();
    later.date = "2024-06-02";
    const std::int64_t second = Added(later);

    ASSERT_TRUE(AssignToVisit(*archive, {1, 2}, first).Ok());
    EXPECT_EQ(VisitResults(*archive, first).Value(), (std::vector<std::int64_t>{1, 2}));
    // A result of another site is refused, and the whole assignment with it.
    const Status mixed = AssignToVisit(*archive, {1, 3}, second);
    ASSERT_FALSE(mixed.Ok());
    EXPECT_NE(mixed.Error().Text().find("result 3"), std::string::npos);
    EXPECT_EQ(ReadArchive(Path(), "SELECT id, visit_id, point_id FROM results ORDER BY id"),
              "[[1, " + std::to_string(first) + ", " + std::to_string(pointId) + "], [2, " +
                  std::to_string(first) + ", " + std::to_string(pointId) + "], [3, null, " +
                  std::to_string(otherPoint) + "]]");
    // Assigned again, a result moves: one visit at most.
    ASSERT_TRUE(AssignToVisit(*archive, {2}, second).Ok());
    EXPECT_EQ(VisitOfResult(*archive, 2).Value(), second);
    EXPECT_EQ(VisitResults(*archive, first).Value(), (std::vector<std::int64_t>{1}));

    // Its point moved to another site, a result leaves the visit; unassigned from its point too.
    ASSERT_TRUE(Assign(*archive, {1}, otherPoint, error)) << error;
    EXPECT_EQ(VisitOfResult(*archive, 1).Value(), std::nullopt);
    ASSERT_TRUE(Assign(*archive, {2}, std::nullopt, error)) << error;
    EXPECT_EQ(VisitOfResult(*archive, 2).Value(), std::nullopt);

    // A deleted visit leaves its results with their points; a deleted site takes its visits along.
    ASSERT_TRUE(Assign(*archive, {1, 2}, pointId, error)) << error;
    ASSERT_TRUE(AssignToVisit(*archive, {1, 2}, first).Ok());
    const Status deleted = DeleteVisit(*archive, first);
    ASSERT_TRUE(deleted.Ok()) << deleted.Error().Text();
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM results WHERE visit_id IS NULL AND point_id = " +
                                      std::to_string(pointId)),
              "[[2]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM tombstones WHERE kind = 'visits'"), "[[1]]");
    ASSERT_TRUE(AssignToVisit(*archive, {1}, second).Ok());
    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM visits), (SELECT count(*) FROM results WHERE "
                          "visit_id IS NOT NULL), (SELECT count(*) FROM results)"),
              "[[0, 0, 3]]");
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA foreign_key_check"), "[]");
}

// A result typed by hand joins a visit of its point's site with every version of it; a correction that
// takes it to another site's point takes it out, and a deleted visit lets it go.
TEST_F(VisitsTest, ATypedResultJoinsAVisitOfItsSiteAndACorrectionElsewhereTakesItOut) {
    const std::int64_t visit = Added(Sample());
    TypedResultFields fields;
    fields.point = pointId;
    fields.method = "clamp-on";
    fields.values = {{"Re", 4.5, false}};
    fields.measured = "2024-05-17 10:30";
    const auto typed = AddTypedResult(*archive, fields);
    ASSERT_TRUE(typed) << typed.Error().Text();
    fields.point = otherPoint;
    const auto elsewhere = AddTypedResult(*archive, fields);
    ASSERT_TRUE(elsewhere) << elsewhere.Error().Text();

    const Status refused = AssignTypedToVisit(*archive, {typed.Value(), elsewhere.Value()}, visit);
    ASSERT_FALSE(refused.Ok());
    EXPECT_NE(refused.Error().Text().find("typed result " + std::to_string(elsewhere.Value())),
              std::string::npos);
    EXPECT_EQ(VisitTypedResults(*archive, visit).Value(), std::vector<std::int64_t>{});  // nothing half done

    ASSERT_TRUE(AssignTypedToVisit(*archive, {typed.Value()}, visit).Ok());
    // A correction at the same point stays in the visit, named by its newest version.
    fields.point = pointId;
    fields.values = {{"Re", 4.7, false}};
    const auto corrected = CorrectTypedResult(*archive, typed.Value(), fields);
    ASSERT_TRUE(corrected) << corrected.Error().Text();
    EXPECT_EQ(VisitTypedResults(*archive, visit).Value(), std::vector<std::int64_t>{corrected.Value()});
    // Assigned by its first version's id, it is the same typed result: one link.
    ASSERT_TRUE(AssignTypedToVisit(*archive, {typed.Value()}, visit).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_visits"), "[[1]]");
    // Corrected to another site's point, it leaves the visit.
    fields.point = otherPoint;
    ASSERT_TRUE(CorrectTypedResult(*archive, corrected.Value(), fields));
    EXPECT_EQ(VisitTypedResults(*archive, visit).Value(), std::vector<std::int64_t>{});

    // Out of its visit on request, and with its visit deleted.
    ASSERT_TRUE(AssignTypedToVisit(*archive, {elsewhere.Value()}, std::nullopt).Ok());
    Visit there = Sample();
    there.site = otherSite;
    const std::int64_t otherVisit = Added(there);
    ASSERT_TRUE(AssignTypedToVisit(*archive, {elsewhere.Value()}, otherVisit).Ok());
    ASSERT_TRUE(AssignTypedToVisit(*archive, {elsewhere.Value()}, std::nullopt).Ok());
    EXPECT_EQ(VisitTypedResults(*archive, otherVisit).Value(), std::vector<std::int64_t>{});
    ASSERT_TRUE(AssignTypedToVisit(*archive, {elsewhere.Value()}, otherVisit).Ok());
    ASSERT_TRUE(DeleteVisit(*archive, otherVisit).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_visits"), "[[0]]");
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA foreign_key_check"), "[]");
}

TEST_F(VisitsTest, ATypedResultsVisitIsStampedAndListedForTheTeamHoweverItChanges) {
    TypedResultFields fields;
    fields.point = pointId;
    fields.method = "clamp-on";
    fields.values = {{"Re", 4.5, false}};
    fields.measured = "2024-05-17 10:30";
    const auto typed = AddTypedResult(*archive, fields);
    ASSERT_TRUE(typed) << typed.Error().Text();
    const std::string listed =
        "SELECT count(*) FROM sync_outbox o JOIN typed_results t ON t.first_version = o.ref WHERE o.kind = "
        "'typed_visit'";
    const std::string stamp = "SELECT modified FROM typed_visit_stamps";
    EXPECT_EQ(ReadArchive(Path(), listed), "[[0]]");

    ASSERT_TRUE(AssignTypedToVisit(*archive, {typed.Value()}, Added(Sample())).Ok());
    EXPECT_EQ(ReadArchive(Path(), listed), "[[1]]");
    const std::string joined = ReadArchive(Path(), stamp);
    const std::int64_t second = Added(Sample());
    ASSERT_TRUE(AssignTypedToVisit(*archive, {typed.Value()}, second).Ok());
    const std::string moved = ReadArchive(Path(), stamp);
    EXPECT_LT(joined, moved);
    // Its visit deleted takes it out: a change of its own, stamped later.
    ASSERT_TRUE(DeleteVisit(*archive, second).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_visits"), "[[0]]");
    EXPECT_LT(moved, ReadArchive(Path(), stamp));
    EXPECT_EQ(ReadArchive(Path(), listed), "[[1]]");
}

TEST_F(VisitsTest, ASiteListsItsVisitsOldestFirstWithinTheRange) {
    for (const char* date : {"2024-06-02", "2023-11-30", "2024-01-15"}) {
        Visit visit = Sample();
        visit.date = date;
        Added(visit);
    }
    const auto dates = [&](const std::string& since, const std::string& until) {
        // The result is kept: a loop over a temporary's value would outlive the temporary.
        const Result<std::vector<Visit>> visits = SiteVisits(*archive, siteId, since, until);
        std::string out;
        for (const Visit& visit : visits.Value()) {
            out += visit.date + " ";
        }
        return out;
    };
    EXPECT_EQ(dates("", ""), "2023-11-30 2024-01-15 2024-06-02 ");
    EXPECT_EQ(dates("2024-01-15", "2024-06-01"), "2024-01-15 ");
    EXPECT_TRUE(SiteVisits(*archive, otherSite).Value().empty());
}

TEST_F(VisitsTest, AReadOutsResultsAreOfferedTheVisitOfTheirDayAndOnlyThoseJoinIt) {
    Visit thatDay = Sample();
    thatDay.date = "2009-01-05";
    const std::int64_t visit = Added(thatDay);
    Visit dayAfter = Sample();
    dayAfter.date = "2009-01-07";
    Added(dayAfter);
    ASSERT_TRUE(Assign(*archive, {3}, pointId, error)) << error;  // measured on the 6th

    const auto offered = VisitsOnDaysOf(*archive, siteId, {1, 3});
    ASSERT_TRUE(offered);
    ASSERT_EQ(offered.Value().size(), 1u);
    EXPECT_EQ(offered.Value()[0].id, visit);
    EXPECT_TRUE(VisitsOnDaysOf(*archive, siteId, {3}).Value().empty());
    EXPECT_TRUE(VisitsOnDaysOf(*archive, otherSite, {1, 2}).Value().empty());

    const auto joined = AssignDayToVisit(*archive, {1, 2, 3}, visit);
    ASSERT_TRUE(joined) << joined.Error().Text();
    EXPECT_EQ(joined.Value(), 2);
    EXPECT_EQ(ReadArchive(Path(), "SELECT id FROM results WHERE visit_id = " + std::to_string(visit)),
              "[[1], [2]]");
}

TEST(VisitCalibration, AnInstrumentWarnsOnlyWhenItsDueDateIsBeforeTheVisit) {
    Visit visit;
    visit.date = "2024-05-17";
    visit.instruments = {{"a", "", "2024-05-16"},
                         {"b", "", "2024-05-17"},
                         {"c", "", ""},
                         {"d", "", "2025-01-01"},
                         {"e", "", "2019-12-31"}};
    EXPECT_EQ(PastCalibration(visit), (std::vector<std::size_t>{0, 4}));
    visit.date = "";
    EXPECT_TRUE(PastCalibration(visit).empty());
    EXPECT_TRUE(IsCalendarDate("2024-02-29"));
    EXPECT_FALSE(IsCalendarDate("2024-13-01"));
    EXPECT_EQ(ParseSoil("moist"), SoilCondition::Moist);
    EXPECT_EQ(ParseSoil("Moist"), std::nullopt);
}

}  // namespace
}  // namespace terrovane::archive::testing

// Visits in the team sync, against the real server: a visit and its results' assignment to it reach every
// archive of its site, edits and deletions follow, a viewer's visit is refused, a member of another site
// receives nothing of it, and the server refuses a result put into a visit of another site.
#include "ArchiveFixtures.h"
#include "Numbers.h"
#include "Sites.h"
#include "SyncFixture.h"
#include "Visits.h"

namespace terrovane::testing {
namespace {

class SyncVisitsTest : public SyncTest {
  protected:
    // Ann (an admin) records North and South with a point each, and two results at North's point.
    void SetUp() override {
        SyncTest::SetUp();
        north = AddSite("ann", "North");
        south = AddSite("ann", "South");
        rodNorth = AddPoint("ann", north, "Rod N");
        AddPoint("ann", south, "Rod S");
        std::string error;
        first = StoreReadOut("ann", 1, 0);
        second = IdOn("ann",
                      "SELECT id FROM results WHERE id <> " + std::to_string(first) + " ORDER BY id LIMIT 1");
        ASSERT_TRUE(archive::Assign(Archive("ann"), {first, second}, rodNorth, error)) << error;
    }

    static archive::Visit Sample(std::int64_t site) {
        archive::Visit visit;
        visit.site = site;
        visit.date = "2024-05-17";
        visit.by = "Ann, Bob";
        visit.instruments = {{"Earth tester", "SN 0042", "2024-05-01"}, {"Clamp", "C-7", ""}};
        visit.weather = "dry, sunny";
        visit.airTemperature = 21.5;
        visit.soil = archive::SoilCondition::Dry;
        visit.notes = "Fence gate 3";
        return visit;
    }

    std::string Visits(const std::string& who) {
        return Query(
            who,
            "SELECT s.name, v.visited_on, v.visited_by, v.instruments, v.weather, v.air_temperature, "
            "v.soil, v.notes, (SELECT count(*) FROM results r WHERE r.visit_id = v.id) FROM visits v "
            "JOIN sites s ON s.id = v.site_id ORDER BY v.uuid");
    }

    std::int64_t IdOn(const std::string& who, const std::string& sql) {
        const std::string json = Query(who, sql);
        return numbers::ParseInteger<std::int64_t>(json.substr(2, json.size() - 4)).value_or(0);
    }

    std::int64_t north = 0;
    std::int64_t south = 0;
    std::int64_t rodNorth = 0;
    std::int64_t first = 0;
    std::int64_t second = 0;
};

TEST_F(SyncVisitsTest, AVisitWithItsResultsReachesTheTeamAndItsEditsAndDeletionFollow) {
    const auto made = archive::AddVisit(Archive("ann"), Sample(north));
    ASSERT_TRUE(made) << made.Error().Text();
    ASSERT_TRUE(archive::AssignToVisit(Archive("ann"), {first, second}, made.Value()).Ok());
    Member("bob", team::MemberRole::Admin);
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(
        Visits("bob"),
        R"([["North", "2024-05-17", "Ann, Bob", "[{\"name\":\"Earth tester\",\"serial\":\"SN 0042\",)"
        R"(\"calibration_due\":\"2024-05-01\"},{\"name\":\"Clamp\",\"serial\":\"C-7\",\"calibration_due\":\"\"}]", )"
        R"("dry, sunny", 21.5, "dry", "Fence gate 3", 2]])");

    // Bob edits the visit and takes one result out of it; Ann sees both.
    const std::int64_t bobsVisit = IdOn("bob", "SELECT id FROM visits");
    archive::Visit edited = archive::VisitById(Archive("bob"), bobsVisit).Value();
    edited.weather = "rain since noon";
    edited.soil = archive::SoilCondition::Wet;
    edited.airTemperature.reset();
    ASSERT_TRUE(archive::UpdateVisit(Archive("bob"), edited).Ok());
    const std::int64_t bobsSecond = IdOn("bob",
                                         "SELECT id FROM results WHERE visit_id IS NOT NULL ORDER BY "
                                         "hex(content_key) LIMIT 1");
    ASSERT_TRUE(archive::AssignToVisit(Archive("bob"), {bobsSecond}, std::nullopt).Ok());
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann",
                    "SELECT weather, soil, air_temperature, (SELECT count(*) FROM results WHERE visit_id "
                    "IS NOT NULL) FROM visits"),
              R"([["rain since noon", "wet", null, 1]])");

    // Deleted at Ann's, it leaves Bob's archive; the results keep their point.
    ASSERT_TRUE(archive::DeleteVisit(Archive("ann"), made.Value()).Ok());
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM visits"), "[[0]]");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM results WHERE point_id IS NOT NULL AND visit_id IS NULL"),
              "[[2]]");
}

TEST_F(SyncVisitsTest, AViewersVisitIsRefusedAndAMemberOfAnotherSiteReceivesNothingOfIt) {
    const auto made = archive::AddVisit(Archive("ann"), Sample(north));
    ASSERT_TRUE(made) << made.Error().Text();
    ASSERT_TRUE(archive::AssignToVisit(Archive("ann"), {first}, made.Value()).Ok());
    ASSERT_TRUE(Sync("ann").inSync);

    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("vic").inSync);
    EXPECT_EQ(
        Query("vic",
              "SELECT visited_on, (SELECT count(*) FROM results WHERE visit_id IS NOT NULL) FROM visits"),
        R"([["2024-05-17", 1]])");
    const std::int64_t vicsNorth = IdOn("vic", "SELECT id FROM sites WHERE name = 'North'");
    ASSERT_TRUE(archive::AddVisit(Archive("vic"), Sample(vicsNorth)));
    const sync::SyncReport refused = Sync("vic");
    EXPECT_GT(refused.rejected, 0);
    EXPECT_FALSE(refused.inSync);
    EXPECT_EQ(owner_->Query("SELECT count(DISTINCT id) FROM terrovane.fields WHERE kind = 'visit'").Scalar(),
              "1");

    Member("ivy", team::MemberRole::Inspector, {"South"});
    ASSERT_TRUE(Sync("ivy").inSync);
    EXPECT_EQ(Query("ivy", "SELECT count(*) FROM visits"), "[[0]]");
    EXPECT_EQ(Query("ivy", "SELECT count(*) FROM sync_fields WHERE kind = 'visit' OR field = 'visit'"),
              "[[0]]");
    // Her own visit of South reaches the admins, and not the viewer of North.
    const std::int64_t ivysSouth = IdOn("ivy", "SELECT id FROM sites WHERE name = 'South'");
    ASSERT_TRUE(archive::AddVisit(Archive("ivy"), Sample(ivysSouth)));
    ASSERT_TRUE(Sync("ivy").inSync);
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(Query("ann", "SELECT s.name FROM visits v JOIN sites s ON s.id = v.site_id ORDER BY s.name"),
              R"([["North"], ["South"]])");
    // Vic's own visit stays listed as refused; South's does not reach her.
    const sync::SyncReport again = Sync("vic");
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    EXPECT_NE(Query("vic", "SELECT count(*) FROM sync_rejected WHERE kind = 'visit'"), "[[0]]");
    EXPECT_EQ(Query("vic", "SELECT s.name FROM visits v JOIN sites s ON s.id = v.site_id ORDER BY s.name"),
              R"([["North"], ["North"]])");
}

TEST_F(SyncVisitsTest, TheServerRefusesAResultPutIntoAVisitOfAnotherSite) {
    const auto southVisit = archive::AddVisit(Archive("ann"), Sample(south));
    ASSERT_TRUE(southVisit) << southVisit.Error().Text();
    ASSERT_TRUE(Sync("ann").inSync);
    // What a changed program could send: the result of North named in South's visit.
    const std::string put = "UPDATE results SET visit_id = " + std::to_string(southVisit.Value()) +
                            " WHERE id = " + std::to_string(first);
    const archive::Status changed =
        Archive("ann").Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
            return db.Exec(put.c_str()) == 0 ? archive::Status(archive::Done{})
                                             : archive::Status(archive::Failure{});
        });
    ASSERT_TRUE(changed.Ok());
    const sync::SyncReport refused = Sync("ann");
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_EQ(Query("ann", "SELECT field, reason FROM sync_rejected"),
              R"([["visit", "a result's visit is of its point's site"]])");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.fields WHERE field = 'visit' AND value <> 'null'")
                  .Scalar(),
              "0");
}

}  // namespace
}  // namespace terrovane::testing

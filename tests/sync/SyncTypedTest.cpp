// Results, traverses and soundings typed in by hand, in the team sync against the real server: they reach
// every archive of their site, a correction arrives as a new version with the old one kept, a deleted
// point takes its traverses along everywhere, a viewer's are refused, a member of another site receives
// nothing of them, and a result moved to a point of another site needs the right to write both. A typed
// result's visit travels too, to its site's members only, and a viewer's change of it is refused.
#include "ArchiveFixtures.h"
#include "Numbers.h"
#include "ServerSchema.h"
#include "Sites.h"
#include "SyncFixture.h"
#include "TypedResults.h"
#include "TypedSoundings.h"
#include "TypedTraverses.h"
#include "Visits.h"

namespace terrovane::testing {
namespace {

// Takes an archive back to the layout before typed things travelled: without their ids, stamps and
// outbox triggers, and nothing of them listed to send.
constexpr const char* kBackBeforeTypedSync = R"py(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
for (name,) in db.execute("SELECT name FROM sqlite_schema WHERE type = 'trigger' AND (name LIKE 'typed_%_made' "
                          "OR name LIKE 'typed_%_changed' OR name LIKE 'typed_%_deleted' OR name LIKE 'typed_%_outbox_%' "
                          "OR name LIKE 'typed_visits_%')").fetchall():
    db.execute("DROP TRIGGER " + name)
db.execute("DROP TABLE typed_visit_stamps")
db.execute("DROP INDEX typed_traverses_uuid")
db.execute("DROP INDEX typed_soundings_uuid")
for table, columns in (("typed_results", ["modified"]), ("typed_traverses", ["uuid", "modified"]),
                       ("typed_soundings", ["uuid", "modified"])):
    for column in columns:
        db.execute("ALTER TABLE " + table + " DROP COLUMN " + column)
db.execute("DELETE FROM sync_outbox WHERE kind LIKE 'typed%'")
db.execute("PRAGMA user_version = 14")
db.commit()
)py";

class SyncTypedTest : public SyncTest {
  protected:
    // Ann (an admin) records North and South with a point each.
    void SetUp() override {
        SyncTest::SetUp();
        north = AddSite("ann", "North");
        south = AddSite("ann", "South");
        rodNorth = AddPoint("ann", north, "Rod N");
        rodSouth = AddPoint("ann", south, "Rod S");
    }

    static archive::TypedTaking Taking() {
        return {"2024-03-01 09:15", "Other make 4105, serial 77", "Jo Field", "after rain", "office"};
    }

    static archive::TypedResultFields Typed(std::int64_t point, double re) {
        archive::TypedResultFields fields;
        fields.point = point;
        fields.method = "fall-of-potential";
        fields.values = {{"Re", re, false}, {"Rh", 300000, true}};
        fields.measured = "2024-03-01 09:15";
        fields.instrument = "Other make 4105, serial 77";
        fields.measuredBy = "Jo Field";
        fields.note = "after rain";
        fields.typedBy = "office";
        return fields;
    }

    static archive::TypedTraverse Traverse(std::int64_t point) {
        archive::TypedTraverse traverse;
        traverse.point = point;
        traverse.currentProbe = 50;
        traverse.readings = {{30.9, 4.25}, {10, 3.1}, {20, 3.9}};
        traverse.taking = Taking();
        return traverse;
    }

    static archive::TypedSounding Sounding(std::int64_t site) {
        archive::TypedSounding sounding;
        sounding.site = site;
        sounding.array = archive::ElectrodeArray::Wenner;
        sounding.quantity = archive::TypedQuantity::Resistivity;
        sounding.points = {{1, 120.5}, {2, 98}, {4, 0.1}};
        sounding.taking = Taking();
        return sounding;
    }

    std::int64_t AddTyped(const std::string& who, std::int64_t point, double re) {
        const auto added = archive::AddTypedResult(Archive(who), Typed(point, re));
        EXPECT_TRUE(added) << added.Error().Text();
        return added ? added.Value() : 0;
    }

    // Every version with its point, what it replaces and its values, as the archive holds it.
    std::string Versions(const std::string& who) {
        return Query(who,
                     "SELECT t.uuid, t.first_version, r.uuid, p.name, t.method, t.measured_date, "
                     "t.measured_time, t.instrument, t.measured_by, t.note, t.typed_by, t.typed_at, (SELECT "
                     "group_concat(v.name || '=' || coalesce(v.value, '>' || v.over_range_bound), ';') FROM "
                     "typed_values v WHERE v.version_id = t.id) FROM typed_results t LEFT JOIN typed_results "
                     "r ON r.id = t.replaces LEFT JOIN points p ON p.id = t.point_id ORDER BY t.uuid");
    }

    std::string Series(const std::string& who) {
        return Query(
            who,
            "SELECT 'traverse', t.uuid, p.name, t.current_probe_m, t.measured_date, t.typed_at, "
            "(SELECT group_concat(g.ordinal || ':' || g.potential_probe_m || '/' || g.resistance_ohm, "
            "';') FROM typed_traverse_readings g WHERE g.traverse_id = t.id) FROM typed_traverses t "
            "JOIN points p ON p.id = t.point_id UNION ALL SELECT 'sounding', t.uuid, s.name, "
            "t.electrode_array || ' ' || t.quantity, t.measured_date, t.typed_at, (SELECT "
            "group_concat(g.ordinal || ':' || g.spacing_m || '/' || g.reading, ';') FROM "
            "typed_sounding_points g WHERE g.sounding_id = t.id) FROM typed_soundings t JOIN sites s "
            "ON s.id = t.site_id ORDER BY 1, 2");
    }

    std::int64_t IdOn(const std::string& who, const std::string& sql) {
        const std::string json = Query(who, sql);
        return numbers::ParseInteger<std::int64_t>(json.substr(2, json.size() - 4)).value_or(0);
    }

    // A change no window makes but a changed program could: run straight on the member's archive.
    void RunOn(const std::string& who, const std::string& sql) {
        const archive::Status done =
            Archive(who).Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
                return db.Exec(sql.c_str()) == 0 ? archive::Status(archive::Done{})
                                                 : archive::Status(archive::Failure{});
            });
        ASSERT_TRUE(done.Ok()) << sql;
    }

    // Each typed result in a visit, by its newest version: the visit's day and soil, and the value of Re.
    std::string TypedInVisits(const std::string& who) {
        return Query(who,
                     "SELECT v.visited_on, v.soil, (SELECT x.value FROM typed_values x WHERE x.version_id = "
                     "t.id AND x.name = 'Re') FROM typed_visits l JOIN visits v ON v.id = l.visit_id JOIN "
                     "typed_results t ON t.first_version = l.first_version AND NOT EXISTS (SELECT 1 FROM "
                     "typed_results c WHERE c.replaces = t.id) ORDER BY 1");
    }

    std::int64_t NewestTyped(const std::string& who) {
        return IdOn(who,
                    "SELECT t.id FROM typed_results t WHERE NOT EXISTS (SELECT 1 FROM typed_results c WHERE "
                    "c.replaces = t.id)");
    }

    std::int64_t north = 0;
    std::int64_t south = 0;
    std::int64_t rodNorth = 0;
    std::int64_t rodSouth = 0;
};

TEST_F(SyncTypedTest, TypedThingsReachTheTeamACorrectionArrivesAsANewVersionAndDeletionFollows) {
    const std::int64_t typed = AddTyped("ann", rodNorth, 12.5);
    ASSERT_TRUE(archive::AddTypedTraverse(Archive("ann"), Traverse(rodNorth)));
    ASSERT_TRUE(archive::AddTypedSounding(Archive("ann"), Sounding(north)));
    Member("bob", team::MemberRole::Admin);
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Versions("bob"), Versions("ann"));
    EXPECT_NE(Versions("bob").find(R"("Re=12.5;Rh=>300000.0")"), std::string::npos) << Versions("bob");
    EXPECT_EQ(Series("bob"), Series("ann"));
    EXPECT_NE(Series("bob").find(R"("0:30.9/4.25;1:10.0/3.1;2:20.0/3.9")"), std::string::npos);
    EXPECT_NE(Series("bob").find(R"("0:1.0/120.5;1:2.0/98.0;2:4.0/0.1")"), std::string::npos);

    // Bob corrects it: Ann gets the correction as its newest version and keeps the one typed first.
    const std::int64_t bobsVersion = IdOn("bob", "SELECT id FROM typed_results");
    const std::int64_t bobsRod = IdOn("bob", "SELECT id FROM points WHERE name = 'Rod N'");
    const auto corrected = archive::CorrectTypedResult(Archive("bob"), bobsVersion, Typed(bobsRod, 9.75));
    ASSERT_TRUE(corrected) << corrected.Error().Text();
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Versions("ann"), Versions("bob"));
    const auto history = archive::TypedResultHistory(Archive("ann"), typed);
    ASSERT_TRUE(history) << history.Error().Text();
    ASSERT_EQ(history.Value().size(), 2u);
    EXPECT_EQ(history.Value()[0].fields.values[0].number, 9.75);
    EXPECT_EQ(history.Value()[1].id, typed);
    EXPECT_EQ(history.Value()[1].fields.values[0].number, 12.5);

    // Bob deletes North's point: its traverse leaves Ann's archive, the results stay without a point.
    std::string error;
    ASSERT_TRUE(archive::DeletePoint(Archive("bob"),
                                     IdOn("bob", "SELECT id FROM points WHERE name = 'Rod N'"), error))
        << error;
    SyncAll({"bob", "ann"});
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM typed_traverses"), "[[0]]");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM typed_results WHERE point_id IS NULL"), "[[2]]");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM typed_soundings"), "[[1]]");
    EXPECT_EQ(owner_
                  ->Query("SELECT value::text FROM terrovane.fields WHERE kind = 'typed_traverse' AND "
                          "field = 'deleted'")
                  .Scalar(),
              "1");

    // The server keeps what was typed: a version rewritten in place is refused.
    RunOn("ann", "DROP TRIGGER typed_results_fixed; UPDATE typed_results SET note = 'rewritten' WHERE id = " +
                     std::to_string(typed) +
                     "; INSERT INTO sync_outbox SELECT 'typed_result', uuid FROM "
                     "typed_results WHERE id = " +
                     std::to_string(typed));
    const sync::SyncReport rewritten = Sync("ann");
    EXPECT_EQ(rewritten.rejected, 1);
    EXPECT_EQ(Query("ann", "SELECT field, reason FROM sync_rejected"),
              R"([["note", "what was typed never changes; a correction is a new version"]])");
}

// A Schlumberger sounding's MN/2 travels with its readings, so the colleague can fit it too; a Wenner
// sounding's readings have none to carry.
TEST_F(SyncTypedTest, ASchlumbergerSoundingArrivesWithItsMn2) {
    archive::TypedSounding schlumberger = Sounding(north);
    schlumberger.array = archive::ElectrodeArray::Schlumberger;
    schlumberger.points = {{1, 120.5, 0.25}, {3, 98, 0.5}, {10, 60, 1.5}};
    ASSERT_TRUE(archive::AddTypedSounding(Archive("ann"), schlumberger));
    ASSERT_TRUE(archive::AddTypedSounding(Archive("ann"), Sounding(south)));
    Member("bob", team::MemberRole::Admin);
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    const std::string points =
        "SELECT t.electrode_array, g.ordinal, g.spacing_m, g.mn2_m FROM typed_soundings t "
        "JOIN typed_sounding_points g ON g.sounding_id = t.id ORDER BY 1, 2";
    EXPECT_EQ(Query("bob", points), Query("ann", points));
    EXPECT_NE(Query("bob", points).find(R"(["schlumberger", 2, 10.0, 1.5])"), std::string::npos)
        << Query("bob", points);
    EXPECT_NE(Query("bob", points).find(R"(["wenner", 0, 1.0, null])"), std::string::npos);
}

TEST_F(SyncTypedTest, CorrectionsOfOneVersionMadeOnTwoPcsAtOnceAreBothKeptInItsHistory) {
    const std::int64_t typed = AddTyped("ann", rodNorth, 12.5);
    Member("bob", team::MemberRole::Admin);
    SyncAll({"ann", "bob"});
    const std::int64_t bobsRod = IdOn("bob", "SELECT id FROM points WHERE name = 'Rod N'");
    ASSERT_TRUE(archive::CorrectTypedResult(Archive("ann"), typed, Typed(rodNorth, 11)));
    ASSERT_TRUE(archive::CorrectTypedResult(Archive("bob"), IdOn("bob", "SELECT id FROM typed_results"),
                                            Typed(bobsRod, 13)));
    SyncAll({"ann", "bob"});
    for (const std::string who : {"ann", "bob"}) {
        const auto history = archive::TypedResultHistory(
            Archive(who), IdOn(who, "SELECT id FROM typed_results WHERE replaces IS NULL"));
        ASSERT_TRUE(history) << who << ": " << history.Error().Text();
        ASSERT_EQ(history.Value().size(), 3u) << who;
        EXPECT_EQ(history.Value()[2].fields.values[0].number, 12.5) << who;
    }
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_rejected"), "[[0]]");
}

TEST_F(SyncTypedTest, AViewersTypedThingsAreRefusedAndAMemberOfAnotherSiteReceivesNothingOfThem) {
    AddTyped("ann", rodNorth, 12.5);
    ASSERT_TRUE(archive::AddTypedTraverse(Archive("ann"), Traverse(rodNorth)));
    ASSERT_TRUE(archive::AddTypedSounding(Archive("ann"), Sounding(north)));
    ASSERT_TRUE(Sync("ann").inSync);

    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("vic").inSync);
    EXPECT_EQ(Versions("vic"), Versions("ann"));
    EXPECT_EQ(Series("vic"), Series("ann"));
    const std::int64_t vicsRod = IdOn("vic", "SELECT id FROM points WHERE name = 'Rod N'");
    const std::int64_t vicsNorth = IdOn("vic", "SELECT id FROM sites WHERE name = 'North'");
    AddTyped("vic", vicsRod, 7);
    ASSERT_TRUE(archive::AddTypedTraverse(Archive("vic"), Traverse(vicsRod)));
    ASSERT_TRUE(archive::AddTypedSounding(Archive("vic"), Sounding(vicsNorth)));
    const sync::SyncReport refused = Sync("vic");
    EXPECT_GT(refused.rejected, 0);
    EXPECT_FALSE(refused.inSync);
    EXPECT_EQ(Query("vic", "SELECT DISTINCT kind FROM sync_rejected ORDER BY kind"),
              R"([["typed_result"], ["typed_sounding"], ["typed_traverse"]])");
    EXPECT_EQ(
        owner_->Query("SELECT count(DISTINCT id) FROM terrovane.fields WHERE kind LIKE 'typed%'").Scalar(),
        "3");

    Member("ivy", team::MemberRole::Inspector, {"South"});
    ASSERT_TRUE(Sync("ivy").inSync);
    EXPECT_EQ(Versions("ivy"), "[]");
    EXPECT_EQ(Series("ivy"), "[]");
    EXPECT_EQ(Query("ivy", "SELECT count(*) FROM sync_fields WHERE kind LIKE 'typed%'"), "[[0]]");
    // Her own, of South, reach the admins and not the viewer of North.
    const std::int64_t ivysRod = IdOn("ivy", "SELECT id FROM points WHERE name = 'Rod S'");
    AddTyped("ivy", ivysRod, 3.5);
    ASSERT_TRUE(Sync("ivy").inSync);
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(
        Query("ann", "SELECT p.name FROM typed_results t JOIN points p ON p.id = t.point_id ORDER BY 1"),
        R"([["Rod N"], ["Rod S"]])");
    ASSERT_EQ(Sync("vic").error, sync::SyncError::None);
    EXPECT_EQ(Query("vic",
                    "SELECT count(*) FROM typed_results t JOIN points p ON p.id = t.point_id WHERE "
                    "p.name = 'Rod S'"),
              "[[0]]");
}

TEST_F(SyncTypedTest, ATypedResultMovedToAPointOfAnotherSiteNeedsTheRightToWriteBoth) {
    const std::int64_t typed = AddTyped("ann", rodNorth, 12.5);
    ASSERT_TRUE(archive::AddTypedTraverse(Archive("ann"), Traverse(rodNorth)));
    ASSERT_TRUE(Sync("ann").inSync);
    Member("ivy", team::MemberRole::Inspector, {"North", "South"});
    ASSERT_TRUE(Sync("ivy").inSync);
    // South is taken from her: she still holds its point, and may no longer write there.
    ASSERT_TRUE(owner_
                    ->Query("DELETE FROM terrovane.member_sites WHERE login = '" + db_.Login("ivy") +
                            "' AND site = (SELECT id FROM terrovane.fields WHERE kind = 'site' AND field = "
                            "'name' AND value = '\"South\"')")
                    .Ok());
    const std::string ivysNorthRod =
        std::to_string(IdOn("ivy", "SELECT id FROM points WHERE name = 'Rod N'"));
    const std::string ivysSouthRod =
        std::to_string(IdOn("ivy", "SELECT id FROM points WHERE name = 'Rod S'"));
    RunOn("ivy", "UPDATE typed_results SET point_id = " + ivysSouthRod);
    RunOn("ivy", "UPDATE typed_traverses SET point_id = " + ivysSouthRod);
    const sync::SyncReport refused = Sync("ivy");
    EXPECT_EQ(refused.rejected, 2);
    EXPECT_EQ(Query("ivy", "SELECT kind, field, reason FROM sync_rejected ORDER BY kind"),
              R"([["typed_result", "point", "no right to write into this site"], )"
              R"(["typed_traverse", "point", "no right to write into this site"]])");
    const std::string serverPoint =
        "SELECT value #>> '{}' FROM terrovane.fields WHERE kind = 'typed_result' "
        "AND field = 'point'";
    const std::string northUuid =
        owner_
            ->Query(
                "SELECT id FROM terrovane.fields WHERE kind = 'point' AND field = 'name' AND value = "
                "'\"Rod N\"'")
            .Scalar();
    EXPECT_EQ(owner_->Query(serverPoint).Scalar(), northUuid);

    // Ann (an admin, who writes both) moves them: they go to South on the server and at Bob's.
    RunOn("ann", "UPDATE typed_traverses SET point_id = " + std::to_string(rodSouth));
    RunOn("ann", "UPDATE typed_results SET point_id = " + std::to_string(rodSouth) +
                     " WHERE id = " + std::to_string(typed));
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(owner_->Query("SELECT DISTINCT site::text FROM terrovane.fields WHERE kind = 'typed_result'")
                  .Scalar(),
              owner_
                  ->Query("SELECT id FROM terrovane.fields WHERE kind = 'site' AND field = 'name' AND value "
                          "= '\"South\"'")
                  .Scalar());
    Member("bob", team::MemberRole::Admin);
    ASSERT_TRUE(Sync("bob").inSync);
    EXPECT_EQ(Query("bob",
                    "SELECT p.name FROM typed_results t JOIN points p ON p.id = t.point_id UNION ALL "
                    "SELECT p.name FROM typed_traverses t JOIN points p ON p.id = t.point_id"),
              R"([["Rod S"], ["Rod S"]])");
}

TEST_F(SyncTypedTest, ATypedResultsVisitReachesItsSiteOnlyAndAViewersChangeOfItIsRefused) {
    const std::int64_t typed = AddTyped("ann", rodNorth, 12.5);
    archive::Visit visit;
    visit.site = north;
    visit.date = "2024-03-01";
    visit.by = "Jo Field";
    visit.soil = archive::SoilCondition::Wet;
    const auto made = archive::AddVisit(Archive("ann"), visit);
    ASSERT_TRUE(made) << made.Error().Text();
    ASSERT_TRUE(archive::AssignTypedToVisit(Archive("ann"), {typed}, made.Value()).Ok());
    ASSERT_TRUE(Sync("ann").inSync);
    Member("ida", team::MemberRole::Inspector, {"North"});
    Member("vic", team::MemberRole::Viewer, {"North"});
    Member("ivy", team::MemberRole::Inspector, {"South"});
    for (const std::string who : {"ida", "vic", "ivy"}) {
        const sync::SyncReport report = Sync(who);
        ASSERT_TRUE(report.inSync) << who << ": " << report.detail;
    }
    EXPECT_EQ(TypedInVisits("ida"), R"([["2024-03-01", "wet", 12.5]])");
    EXPECT_EQ(TypedInVisits("vic"), TypedInVisits("ida"));
    const auto idasVisit = archive::VisitOfTypedResult(Archive("ida"), NewestTyped("ida"));
    ASSERT_TRUE(idasVisit && idasVisit.Value());
    // The member of South holds nothing of it, nor is shown it by the server.
    EXPECT_EQ(Query("ivy", "SELECT count(*) FROM sync_fields WHERE kind = 'typed_visit'"), "[[0]]");
    EXPECT_EQ(PsqlAs("ivy", "SELECT count(*) FROM terrovane.pull(" + std::to_string(team::kServerLayout) +
                                ", 0, 5000) WHERE kind = 'typed_visit'"),
              "0\n");

    // Ida corrects it: the correction is in the visit on Ann's PC too.
    const std::int64_t idasRod = IdOn("ida", "SELECT id FROM points WHERE name = 'Rod N'");
    ASSERT_TRUE(archive::CorrectTypedResult(Archive("ida"), NewestTyped("ida"), Typed(idasRod, 9.75)));
    ASSERT_TRUE(Sync("ida").inSync);
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(TypedInVisits("ann"), R"([["2024-03-01", "wet", 9.75]])");

    // The viewer takes it out of the visit: refused and listed, and nobody else's visit changes.
    ASSERT_TRUE(archive::AssignTypedToVisit(Archive("vic"), {NewestTyped("vic")}, std::nullopt).Ok());
    const sync::SyncReport refused = Sync("vic");
    ASSERT_EQ(refused.error, sync::SyncError::None) << refused.detail;
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_EQ(Query("vic", "SELECT kind, field, sqlstate FROM sync_rejected"),
              R"([["typed_visit", "visit", "42501"]])");
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(TypedInVisits("ann"), R"([["2024-03-01", "wet", 9.75]])");

    // Ann takes it out: it leaves Ida's visit too.
    ASSERT_TRUE(archive::AssignTypedToVisit(Archive("ann"), {typed}, std::nullopt).Ok());
    ASSERT_TRUE(Sync("ann").inSync);
    ASSERT_TRUE(Sync("ida").inSync);
    EXPECT_EQ(TypedInVisits("ida"), "[]");
    EXPECT_EQ(TypedInVisits("ann"), "[]");

    // Its point moved to South: the server places its visit there too, as the result.
    RunOn("ann",
          "UPDATE points SET site_id = " + std::to_string(south) + " WHERE id = " + std::to_string(rodNorth));
    ASSERT_TRUE(Sync("ann").inSync);
    const std::string placed = "SELECT DISTINCT site::text FROM terrovane.fields WHERE kind = ";
    EXPECT_EQ(owner_->Query(placed + "'typed_visit'").Scalar(),
              owner_->Query(placed + "'typed_result'").Scalar());
    EXPECT_EQ(
        owner_->Query(placed + "'typed_visit'").Scalar(),
        owner_
            ->Query(
                "SELECT id::text FROM terrovane.fields WHERE kind = 'site' AND field = 'name' AND value = "
                "'\"South\"'")
            .Scalar());
}

TEST_F(SyncTypedTest, WhatWasTypedBeforeTheSyncCarriedItGoesWithTheNextSync) {
    {
        std::string error;
        std::unique_ptr<archive::Archive> earlier = archive::Archive::Open(ArchivePath("dee"), error);
        ASSERT_NE(earlier, nullptr) << error;
        archive::SiteFields site;
        site.name = "East";
        std::int64_t east = 0;
        ASSERT_TRUE(archive::AddSite(*earlier, site, east, error)) << error;
        archive::PointFields rod;
        rod.name = "Rod E";
        std::int64_t rodEast = 0;
        ASSERT_TRUE(archive::AddPoint(*earlier, east, rod, rodEast, error)) << error;
        const auto typed = archive::AddTypedResult(*earlier, Typed(rodEast, 4.5));
        ASSERT_TRUE(typed);
        archive::Visit visit;
        visit.site = east;
        visit.date = "2024-03-01";
        visit.soil = archive::SoilCondition::Dry;
        const auto made = archive::AddVisit(*earlier, visit);
        ASSERT_TRUE(made) << made.Error().Text();
        ASSERT_TRUE(archive::AssignTypedToVisit(*earlier, {typed.Value()}, made.Value()));
        ASSERT_TRUE(archive::AddTypedTraverse(*earlier, Traverse(rodEast)));
        ASSERT_TRUE(archive::AddTypedSounding(*earlier, Sounding(east)));
    }
    const CommandOutput rewound = RunCommand("/usr/bin/python3 -c " + ShellQuoted(kBackBeforeTypedSync) +
                                             " " + ShellQuoted(ArchivePath("dee")) + " 2>&1");
    ASSERT_EQ(rewound.status, 0) << rewound.text;

    Member("dee", team::MemberRole::Admin);
    ASSERT_TRUE(Sync("dee").inSync);
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(Series("ann"), Series("dee"));
    EXPECT_EQ(Versions("ann"), Versions("dee"));
    EXPECT_EQ(TypedInVisits("ann"), R"([["2024-03-01", "dry", 4.5]])");
    EXPECT_EQ(Query("ann",
                    "SELECT count(*) FROM typed_results UNION ALL SELECT count(*) FROM typed_traverses "
                    "UNION ALL SELECT count(*) FROM typed_soundings"),
              "[[1], [1], [1]]");
}

}  // namespace
}  // namespace terrovane::testing

// Archives syncing through the real server: what one PC records reaches the others, a field changed on
// two PCs ends with the later change everywhere and the other listed, a site deleted on one PC while
// another adds results to it stays with its results, and a batch or page that comes twice counts once.
#include "Batch.h"
#include "Conflicts.h"
#include "LocalSql.h"
#include "Sites.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

std::optional<archive::SiteRow> SiteNamed(archive::Archive& archive, const std::string& name) {
    std::string error;
    return archive::FindSite(archive, name, error);
}

void Rename(archive::Archive& archive, const std::string& from, const std::string& to) {
    std::optional<archive::SiteRow> site = SiteNamed(archive, from);
    ASSERT_TRUE(site.has_value()) << from;
    archive::SiteFields fields = site->fields;
    fields.name = to;
    std::string error;
    ASSERT_TRUE(archive::UpdateSite(archive, site->id, fields, error)) << error;
}

void SetAddress(archive::Archive& archive, const std::string& site, const std::string& address) {
    std::optional<archive::SiteRow> row = SiteNamed(archive, site);
    ASSERT_TRUE(row.has_value()) << site;
    archive::SiteFields fields = row->fields;
    fields.address = address;
    std::string error;
    ASSERT_TRUE(archive::UpdateSite(archive, row->id, fields, error)) << error;
}

TEST_F(SyncTest, WhatOnePcRecordsReachesTheOthersAndASecondSyncHasNothingToDo) {
    const std::int64_t site = AddSite("ann", "Substation 7");
    const std::int64_t point = AddPoint("ann", site, "Leg A");
    const std::int64_t result = StoreReadOut("ann", 1);
    std::string error;
    ASSERT_TRUE(archive::Assign(Archive("ann"), {result}, point, error)) << error;
    ASSERT_TRUE(
        Archive("ann").SetLabel(archive::LabelTarget::Result, result, "Mast 3", std::string("wet"), error));
    StoreReadOut("bob", 2);

    const sync::SyncReport first = Sync("ann");
    ASSERT_EQ(first.error, sync::SyncError::None) << first.detail;
    EXPECT_TRUE(first.inSync);
    EXPECT_GT(first.pushed, 0);
    SyncAll({"bob", "cy", "ann"});
    ExpectConverged({"ann", "bob", "cy"});
    EXPECT_NE(Shared("cy").find("Substation 7"), std::string::npos);
    EXPECT_NE(Shared("cy").find("Mast 3"), std::string::npos);
    EXPECT_EQ(Query("cy", "SELECT count(*) FROM readouts"), "[[2]]");
    EXPECT_EQ(BaseStamps("cy"), BaseStamps("ann"));

    const sync::SyncReport again = Sync("bob");
    EXPECT_EQ(again.pushed, 0);
    EXPECT_EQ(again.pulled, 0);
    EXPECT_TRUE(again.inSync);

    // An edit after the first sync travels as that one field.
    SetAddress(Archive("bob"), "Substation 7", "Quay Road 1");
    const sync::SyncReport edit = Sync("bob");
    EXPECT_EQ(edit.pushed, 1);
    SyncAll({"ann", "cy"});
    ExpectConverged({"ann", "bob", "cy"});
    EXPECT_EQ(Query("ann", "SELECT address FROM sites"), R"([["Quay Road 1"]])");
}

TEST_F(SyncTest, TheLaterEditOfAFieldWinsEverywhereAndTheOtherIsListed) {
    AddSite("ann", "North");
    SyncAll({"ann", "bob"});
    // Offline, both rename the site; bob's change comes later. Ann, whose change lost, syncs last.
    Rename(Archive("ann"), "North", "North yard");
    PassMillis(5);
    Rename(Archive("bob"), "North", "North field");
    ASSERT_TRUE(Sync("bob").inSync);
    const sync::SyncReport annReport = Sync("ann");
    ASSERT_EQ(annReport.error, sync::SyncError::None) << annReport.detail;
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann", "SELECT name FROM sites"), R"([["North field"]])");

    for (const char* who : {"ann", "bob"}) {
        const auto conflicts = sync::ListConflicts(Archive(who));
        ASSERT_TRUE(conflicts.Ok());
        ASSERT_EQ(conflicts.Value().size(), 1u) << who;
        const sync::Conflict& conflict = conflicts.Value()[0];
        EXPECT_EQ(conflict.field, "name");
        EXPECT_EQ(conflict.keptValue, "\"North field\"");
        EXPECT_EQ(conflict.lostValue, "\"North yard\"");
        EXPECT_EQ(conflict.thing, "North field");
        EXPECT_EQ(conflict.lostBy, db_.Login("ann"));
        EXPECT_EQ(conflict.keptBy, db_.Login("bob"));
        EXPECT_LT(conflict.lostStamp, conflict.keptStamp);
    }

    // Keeping the lost value makes it a change of its own, which then wins everywhere.
    const auto conflicts = sync::ListConflicts(Archive("bob"));
    ASSERT_TRUE(sync::ResolveConflict(Archive("bob"), conflicts.Value()[0].id, sync::Keep::Lost).Ok());
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann", "SELECT name FROM sites"), R"([["North yard"]])");
    // Settled on one PC, settled on all.
    EXPECT_TRUE(sync::ListConflicts(Archive("bob")).Value().empty());
    EXPECT_TRUE(sync::ListConflicts(Archive("ann")).Value().empty());
}

TEST_F(SyncTest, AnEarlierEditPushedFirstLosesToTheLaterOneWhenThatArrives) {
    AddSite("ann", "South");
    SyncAll({"ann", "bob"});
    SetAddress(Archive("ann"), "South", "Old address");
    PassMillis(5);
    SetAddress(Archive("bob"), "South", "New address");
    ASSERT_TRUE(Sync("ann").inSync);
    ASSERT_TRUE(Sync("bob").inSync);
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann", "SELECT address FROM sites"), R"([["New address"]])");
    EXPECT_EQ(Query("ann", "SELECT lost_value, kept_value FROM sync_conflicts"),
              R"([["\"Old address\"", "\"New address\""]])");
}

TEST_F(SyncTest, ASiteDeletedOnOnePcWhileAnotherAddsResultsStaysWithItsResultsAndIsListed) {
    const std::int64_t site = AddSite("ann", "Hill");
    AddPoint("ann", site, "Rod 1");
    SyncAll({"ann", "bob"});

    std::string error;
    ASSERT_TRUE(archive::DeleteSite(Archive("ann"), SiteNamed(Archive("ann"), "Hill")->id, error)) << error;
    const std::int64_t result = StoreReadOut("bob", 5);
    const std::optional<archive::PointRow> rod = archive::FindPoint(Archive("bob"), "Hill", "Rod 1", error);
    ASSERT_TRUE(rod.has_value()) << error;
    ASSERT_TRUE(archive::Assign(Archive("bob"), {result}, rod->id, error)) << error;

    ASSERT_TRUE(Sync("ann").inSync);
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann",
                    "SELECT s.name, p.name FROM results r JOIN points p ON p.id = r.point_id "
                    "JOIN sites s ON s.id = p.site_id"),
              R"([["Hill", "Rod 1"]])");
    for (const char* who : {"ann", "bob"}) {
        EXPECT_NE(Query(who, "SELECT field FROM sync_conflicts WHERE kind = 'site'").find("deleted"),
                  std::string::npos)
            << who;
    }
}

}  // namespace
}  // namespace terrovane::testing

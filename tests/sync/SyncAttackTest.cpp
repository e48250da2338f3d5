// The server decides, as the program meets it: a viewer's archive receives its sites only (a read-out with
// results of other sites with those slots blank), a member given a site later receives its history, a
// viewer made an admin later has its read-outs' blank slots filled in, a
// second login on an archive is refused and nothing is lost, a copied archive is told apart and both copies'
// changes arrive, a change refused for rights goes again once the rights allow it.
#include "ArchiveFixtures.h"
#include "Numbers.h"
#include "Sites.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncAttackTest : public SyncTest {
  protected:
    // Ann (an admin) records North and South, a point in each, and three read-outs: one with results in
    // both sites (slots 0 and 1; slot 2 assigned to none), one with a result in South, one assigned to none.
    void SetUp() override {
        SyncTest::SetUp();
        const std::int64_t north = AddSite("ann", "North");
        const std::int64_t south = AddSite("ann", "South");
        const std::int64_t rodNorth = AddPoint("ann", north, "Rod N");
        const std::int64_t rodSouth = AddPoint("ann", south, "Rod S");
        std::string error;
        const std::int64_t mixedNorth = StoreReadOut("ann", 1, 0);
        const std::int64_t mixedSouth = StoreReadOut("ann", 1, 1);
        ASSERT_TRUE(archive::Assign(Archive("ann"), {mixedNorth}, rodNorth, error)) << error;
        ASSERT_TRUE(archive::Assign(Archive("ann"), {mixedSouth}, rodSouth, error)) << error;
        ASSERT_TRUE(archive::Assign(Archive("ann"), {StoreReadOut("ann", 2, 0)}, rodSouth, error)) << error;
        StoreReadOut("ann", 3, 0);
        ASSERT_TRUE(Sync("ann").inSync);
    }

    std::string Count(const std::string& who, const std::string& table) {
        return Query(who, "SELECT count(*) FROM " + table);
    }

    // The one whole number a query of the member's archive answers.
    std::optional<std::int64_t> Number(const std::string& who, const std::string& sql) {
        const std::string json = Query(who, sql);
        if (json.size() < 4 || json.rfind("[[", 0) != 0) {
            return std::nullopt;
        }
        return numbers::ParseInteger<std::int64_t>(json.substr(2, json.size() - 4));
    }
};

TEST_F(SyncAttackTest, AViewersArchiveReceivesItsSitesOnlyAndNoByteOfAnotherSitesResult) {
    Member("vic", team::MemberRole::Viewer, {"North"});
    const sync::SyncReport report = Sync("vic");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    EXPECT_EQ(Query("vic", "SELECT name FROM sites"), R"([["North"]])");
    EXPECT_EQ(Query("vic", "SELECT name FROM points"), R"([["Rod N"]])");
    // The mixed read-out only, with South's slot and the unassigned one blank: one result.
    EXPECT_EQ(Count("vic", "readouts"), "[[1]]");
    EXPECT_EQ(Count("vic", "results"), "[[1]]");
    EXPECT_EQ(Query("vic", "SELECT p.name FROM results r JOIN points p ON p.id = r.point_id"),
              R"([["Rod N"]])");
    // The admin's archive holds everything.
    Member("bob", team::MemberRole::Admin);
    ASSERT_TRUE(Sync("bob").inSync);
    EXPECT_EQ(Count("bob", "readouts"), "[[3]]");
}

TEST_F(SyncAttackTest, AMemberGivenASiteLaterReceivesItsWholeHistory) {
    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("vic").inSync);
    ASSERT_EQ(Count("vic", "sites"), "[[1]]");
    Member("vic", team::MemberRole::Viewer, {"North", "South"});
    const sync::SyncReport report = Sync("vic");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_EQ(Query("vic", "SELECT group_concat(name, ',') FROM (SELECT name FROM sites ORDER BY name)"),
              R"([["North,South"]])");
    EXPECT_EQ(Query("vic", "SELECT group_concat(name, ',') FROM (SELECT name FROM points ORDER BY name)"),
              R"([["Rod N,Rod S"]])");
    // South's own read-out arrives; the mixed one was there already, and its South slot is filled in.
    EXPECT_EQ(Count("vic", "readouts"), "[[2]]");
    EXPECT_EQ(Count("vic", "results"), "[[3]]");
    EXPECT_EQ(
        Query("vic",
              "SELECT count(*) FROM results r JOIN points p ON p.id = r.point_id WHERE p.name = 'Rod S'"),
        "[[2]]");
}

TEST_F(SyncAttackTest, AResultAssignedToAMembersSiteLaterFillsItsSlotInTheReadOutTheMemberHolds) {
    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("vic").inSync);
    ASSERT_EQ(Count("vic", "results"), "[[1]]");
    const std::string blank = "SELECT count(*) FROM readout_slots s JOIN readouts o ON o.id = s.readout_id";
    ASSERT_EQ(Query("vic", blank), "[[1]]");
    // Ann assigns the mixed read-out's third result (assigned to none so far) to North.
    const std::optional<std::int64_t> third =
        Number("ann",
               "SELECT result_id FROM readout_slots WHERE readout_id = (SELECT readout_id FROM readout_slots "
               "GROUP BY readout_id HAVING count(*) = 3 ORDER BY readout_id LIMIT 1) AND slot = 2");
    const std::optional<std::int64_t> rodNorth = Number("ann", "SELECT id FROM points WHERE name = 'Rod N'");
    ASSERT_TRUE(third && rodNorth);
    std::string error;
    ASSERT_TRUE(archive::Assign(Archive("ann"), {*third}, *rodNorth, error)) << error;
    ASSERT_TRUE(Sync("ann").inSync);
    const sync::SyncReport report = Sync("vic");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    // The same read-out, its slot 2 filled and the result placed at Rod N; South's slot stays blank.
    EXPECT_EQ(Count("vic", "readouts"), "[[1]]");
    EXPECT_EQ(
        Query("vic", "SELECT group_concat(slot, ',') FROM (SELECT slot FROM readout_slots ORDER BY slot)"),
        R"([["0,2"]])");
    EXPECT_EQ(
        Query("vic",
              "SELECT count(*) FROM results r JOIN points p ON p.id = r.point_id WHERE p.name = 'Rod N'"),
        "[[2]]");
    EXPECT_EQ(Query("vic", "SELECT hex(substr(image, 72 + 1, 72)) = hex(zeroblob(72)) FROM readouts"),
              "[[1]]");
    // A sync with nothing new fetches nothing again and changes nothing.
    const std::string before = Shared("vic");
    ASSERT_TRUE(Sync("vic").inSync);
    EXPECT_EQ(Shared("vic"), before);
}

TEST_F(SyncAttackTest, AViewerMadeAnAdminLaterHasTheBlankSlotsOfTheReadOutsItHoldsFilledIn) {
    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("vic").inSync);
    ASSERT_EQ(Count("vic", "results"), "[[1]]");
    Member("vic", team::MemberRole::Admin);
    const sync::SyncReport report = Sync("vic");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    // Every read-out, the mixed one it held now whole: slots 0, 1 and 2, no slot of a result left blank.
    EXPECT_EQ(Count("vic", "readouts"), "[[3]]");
    EXPECT_EQ(Count("vic", "results"), Count("ann", "results"));
    EXPECT_EQ(Query("vic",
                    "SELECT group_concat(slot, ',') FROM (SELECT slot FROM readout_slots WHERE readout_id = "
                    "(SELECT min(id) FROM readouts) ORDER BY slot)"),
              R"([["0,1,2"]])");
    EXPECT_EQ(Query("vic", "SELECT count(*) FROM results r JOIN points p ON p.id = r.point_id"), "[[3]]");
    // A sync with nothing new fetches nothing again and changes nothing.
    const std::string before = Shared("vic");
    ASSERT_TRUE(Sync("vic").inSync);
    EXPECT_EQ(Shared("vic"), before);
}

TEST_F(SyncAttackTest, ASecondLoginOnAnArchiveIsRefusedAndTheFirstLosesNothing) {
    Member("bob", team::MemberRole::Admin);
    std::string error;
    std::optional<archive::SiteRow> north = archive::FindSite(Archive("ann"), "North", error);
    ASSERT_TRUE(north.has_value()) << error;
    north->fields.address = "Ann's address";
    ASSERT_TRUE(archive::UpdateSite(Archive("ann"), north->id, north->fields, error)) << error;

    const sync::SyncReport asBob = Sync("ann", db_.TcpConninfo(db_.Login("bob"), "pw-bob"));
    EXPECT_EQ(asBob.error, sync::SyncError::OtherLogin) << asBob.detail;
    EXPECT_STREQ(sync::SyncErrorName(asBob.error), "other-login");
    EXPECT_FALSE(asBob.inSync);

    const sync::SyncReport asAnn = Sync("ann");
    ASSERT_EQ(asAnn.error, sync::SyncError::None) << asAnn.detail;
    EXPECT_TRUE(asAnn.inSync);
    EXPECT_EQ(
        owner_->Query("SELECT count(*) FROM terrovane.fields WHERE value = '\"Ann''s address\"'").Scalar(),
        "1");
}

TEST_F(SyncAttackTest, ACopiedArchiveTakesADeviceOfItsOwnAndBothCopiesChangesArrive) {
    const std::string copy = ArchivePath("dup");
    Query("ann", "VACUUM INTO '" + copy + "'");
    std::string error;
    std::optional<archive::SiteRow> north = archive::FindSite(Archive("ann"), "North", error);
    ASSERT_TRUE(north.has_value()) << error;
    north->fields.address = "Original";
    ASSERT_TRUE(archive::UpdateSite(Archive("ann"), north->id, north->fields, error)) << error;
    ASSERT_TRUE(Sync("ann").inSync);

    // The copy's next batch has the same number as the original's, with other changes.
    std::optional<archive::SiteRow> south = archive::FindSite(Archive("dup"), "South", error);
    ASSERT_TRUE(south.has_value()) << error;
    south->fields.address = "Copy";
    ASSERT_TRUE(archive::UpdateSite(Archive("dup"), south->id, south->fields, error)) << error;
    const sync::SyncReport dup = Sync("dup", db_.TcpConninfo(db_.Login("ann"), "pw-ann"));
    ASSERT_EQ(dup.error, sync::SyncError::None) << dup.detail;
    EXPECT_TRUE(dup.inSync);
    EXPECT_EQ(
        owner_
            ->Query("SELECT string_agg(value #>> '{}', ',' ORDER BY value #>> '{}') FROM terrovane.fields "
                    "WHERE field = 'address' AND value #>> '{}' <> ''")
            .Scalar(),
        "Copy,Original");
    EXPECT_NE(Query("dup", "SELECT device FROM archive_clock"),
              Query("ann", "SELECT device FROM archive_clock"));
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.devices").Scalar(), "2");
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(Query("ann", "SELECT address FROM sites WHERE name = 'South'"), R"([["Copy"]])");
}

TEST_F(SyncAttackTest, AChangeRefusedForRightsGoesAgainOnceTheRightsAllowIt) {
    Member("ivy", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("ivy").inSync);
    std::string error;
    std::optional<archive::SiteRow> north = archive::FindSite(Archive("ivy"), "North", error);
    ASSERT_TRUE(north.has_value()) << error;
    north->fields.address = "Ivy's";
    ASSERT_TRUE(archive::UpdateSite(Archive("ivy"), north->id, north->fields, error)) << error;
    const sync::SyncReport refused = Sync("ivy");
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_FALSE(refused.inSync);
    EXPECT_EQ(Count("ivy", "sync_rejected"), "[[1]]");

    Member("ivy", team::MemberRole::Inspector, {"North"});
    const sync::SyncReport allowed = Sync("ivy");
    ASSERT_EQ(allowed.error, sync::SyncError::None) << allowed.detail;
    EXPECT_EQ(allowed.rejected, 0);
    EXPECT_TRUE(allowed.inSync);
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.fields WHERE value = '\"Ivy''s\"'").Scalar(),
              "1");
}

}  // namespace
}  // namespace terrovane::testing

// Rights are the server's: row-level security lets viewers read, inspectors write the sites they are
// members of (and new ones they bring), admins everything, whatever a client sends or asks directly.
#include "TeamFixture.h"

namespace terrovane::testing {
namespace {

class TeamRightsTest : public TeamDatabase {
  protected:
    void SetUp() override {
        TeamDatabase::SetUp();
        // The sites exist on the server: North, which the inspector belongs to, and South, which it does not.
        Member("ada", team::MemberRole::Admin);
        auto ada = SignIn("ada");
        ASSERT_NE(ada, nullptr);
        const std::string sites =
            "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North\"", Stamp(1000, 0, kDeviceA)) +
            "," + FieldChange("site", kSiteSouth, kSiteSouth, "name", "\"South\"", Stamp(1000, 0, kDeviceA)) +
            "]";
        const pg::QueryResult answer = Push(*ada, kDeviceA, 1, sites);
        ASSERT_TRUE(answer.Ok()) << answer.Explained();
        ASSERT_EQ(JsonAt(*ada, answer.Scalar(), "{changes,1,outcome}"), "applied") << answer.Scalar();
        Member("ins", team::MemberRole::Inspector, {kSiteNorth});
        Member("vic", team::MemberRole::Viewer, {kSiteNorth});
    }

    std::string OutcomeOf(const std::string& who, const std::string& device, const std::string& change) {
        auto connection = SignIn(who);
        EXPECT_NE(connection, nullptr);
        const pg::QueryResult answer = Push(*connection, device, 1, "[" + change + "]");
        EXPECT_TRUE(answer.Ok()) << answer.Explained();
        return JsonAt(*connection, answer.Scalar(), "{changes,0,outcome}") + " " +
               JsonAt(*connection, answer.Scalar(), "{changes,0,sqlstate}");
    }
};

TEST_F(TeamRightsTest, AViewersWriteIsRefusedByTheServer) {
    const std::string change =
        FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"Renamed\"", Stamp(2000, 0, kDeviceB));
    EXPECT_EQ(OutcomeOf("vic", kDeviceB, change), "rejected 42501");
    // Asked directly, without the push function, the server refuses as well.
    auto vic = SignIn("vic");
    const pg::QueryResult direct = vic->Query(
        "INSERT INTO terrovane.fields (kind, id, field, site, value, stamp) VALUES "
        "('point', $1, 'name', $2, '\"P\"', $3)",
        {kPoint, kSiteNorth, Stamp(2000, 0, kDeviceB)});
    EXPECT_EQ(direct.error, pg::ErrorClass::Rejected);
    EXPECT_EQ(vic->Query("UPDATE terrovane.fields SET value = '\"x\"'").error, pg::ErrorClass::Rejected);
    EXPECT_EQ(
        owner_->Query("SELECT value #>> '{}' FROM terrovane.fields WHERE id = $1", {kSiteNorth}).Scalar(),
        "North");
}

TEST_F(TeamRightsTest, AnInspectorWritesItsOwnSitesAndNewOnesButNoOthers) {
    EXPECT_EQ(OutcomeOf("ins", kDeviceB, PointChanges(kPoint, kSiteNorth, "Rod 1", Stamp(2000, 0, kDeviceB))),
              "applied ");
    auto ins = SignIn("ins");
    const pg::QueryResult south = Push(
        *ins, kDeviceB, 2,
        "[" + FieldChange("site", kSiteSouth, kSiteSouth, "name", "\"Mine now\"", Stamp(3000, 0, kDeviceB)) +
            "]");
    EXPECT_EQ(JsonAt(*ins, south.Scalar(), "{changes,0,outcome}"), "rejected") << south.Scalar();
    // Nor can the point be moved to South.
    const pg::QueryResult moved =
        Push(*ins, kDeviceB, 3,
             "[" +
                 FieldChange("point", kPoint, kSiteSouth, "site", "\"" + std::string(kSiteSouth) + "\"",
                             Stamp(4000, 0, kDeviceB)) +
                 "]");
    EXPECT_EQ(JsonAt(*ins, moved.Scalar(), "{changes,0,outcome}"), "rejected") << moved.Scalar();

    // A site the server has not heard of is the inspector's new site; it becomes its member.
    const std::string fresh = "44444444-4444-4444-8444-444444444444";
    const pg::QueryResult made =
        Push(*ins, kDeviceB, 4,
             "[" + FieldChange("site", fresh, fresh, "name", "\"East\"", Stamp(5000, 0, kDeviceB)) + "]");
    EXPECT_EQ(JsonAt(*ins, made.Scalar(), "{changes,0,outcome}"), "applied") << made.Scalar();
    EXPECT_EQ(ins->Query("SELECT sites FROM terrovane.whoami()").Scalar(), "2");

    // What it reads: its sites, never South.
    const std::string sites =
        "SELECT string_agg(DISTINCT value #>> '{}', ',') FROM terrovane.pull($1, 0, 1000) "
        "WHERE kind = 'site'";
    const std::string layout = std::to_string(team::kServerLayout);
    EXPECT_EQ(ins->Query(sites, {layout}).Scalar(), "East,North");
    auto ada = SignIn("ada");
    EXPECT_EQ(ada->Query(sites, {layout}).Scalar(), "East,North,South");
}

TEST_F(TeamRightsTest, TheAuditKeepsWhoWhichDeviceWhenAndBothValues) {
    auto ins = SignIn("ins");
    ASSERT_TRUE(Push(*ins, kDeviceB, 1,
                     "[" +
                         FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North yard\"",
                                     Stamp(NowMillis(), 0, kDeviceB), Stamp(1000, 0, kDeviceA)) +
                         "]")
                    .Ok());
    const pg::QueryResult audit = owner_->Query(
        "SELECT login, device, old_value #>> '{}', new_value #>> '{}', at > now() - interval '1 minute' "
        "FROM terrovane.audit WHERE action = 'update' AND id = $1",
        {kSiteNorth});
    ASSERT_EQ(audit.rows.size(), 1u) << audit.Explained();
    EXPECT_EQ(audit.rows[0][0], db_.Login("ins"));
    EXPECT_EQ(audit.rows[0][1], kDeviceB);
    EXPECT_EQ(audit.rows[0][2], "North");
    EXPECT_EQ(audit.rows[0][3], "North yard");
    EXPECT_EQ(audit.rows[0][4], "t");
    // No member reads or writes the audit itself, not even an admin.
    auto ada = SignIn("ada");
    EXPECT_EQ(ada->Query("SELECT count(*) FROM terrovane.audit").error, pg::ErrorClass::Rejected);
    EXPECT_EQ(ada->Query("DELETE FROM terrovane.audit").error, pg::ErrorClass::Rejected);
    EXPECT_EQ(ins->Query("INSERT INTO terrovane.audit (action, kind, id) VALUES ('x', 'y', 'z')").error,
              pg::ErrorClass::Rejected);
}

TEST_F(TeamRightsTest, OneRefusedChangeInABatchLeavesTheOthersApplied) {
    auto ins = SignIn("ins");
    const std::string rod2 = "55555555-5555-4555-8555-555555555555";
    const std::string rod3 = "66666666-6666-4666-8666-666666666666";
    const std::string stamp = Stamp(2000, 0, kDeviceB);
    const pg::QueryResult answer = Push(*ins, kDeviceB, 1,
                                        "[" + PointChanges(kPoint, kSiteNorth, "Rod 1", stamp) + "," +
                                            PointChanges(rod2, kSiteSouth, "Rod 2", stamp) + "," +
                                            PointChanges(rod3, kSiteNorth, "Rod 3", stamp) + "]");
    ASSERT_TRUE(answer.Ok()) << answer.Explained();
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,1,outcome}"), "applied") << answer.Scalar();
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,2,outcome}"), "rejected");
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,3,outcome}"), "rejected");
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,5,outcome}"), "applied");
    EXPECT_EQ(
        owner_
            ->Query("SELECT string_agg(value #>> '{}', ',' ORDER BY value #>> '{}') FROM terrovane.fields "
                    "WHERE kind = 'point' AND field = 'name'")
            .Scalar(),
        "Rod 1,Rod 3");
}

}  // namespace
}  // namespace terrovane::testing

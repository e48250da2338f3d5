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
    const pg::QueryResult update = vic->Query("UPDATE terrovane.fields SET value = '\"x\"'");
    EXPECT_TRUE(update.Ok());
    EXPECT_EQ(update.affected, 0u);
    EXPECT_EQ(vic->Query("SELECT value #>> '{}' FROM terrovane.fields WHERE id = $1", {kSiteNorth}).Scalar(),
              "North");
}

TEST_F(TeamRightsTest, AnInspectorWritesItsOwnSitesAndNewOnesButNoOthers) {
    EXPECT_EQ(
        OutcomeOf("ins", kDeviceB,
                  FieldChange("point", kPoint, kSiteNorth, "name", "\"Rod 1\"", Stamp(2000, 0, kDeviceB))),
        "applied ");
    auto ins = SignIn("ins");
    const pg::QueryResult south = Push(
        *ins, kDeviceB, 2,
        "[" + FieldChange("site", kSiteSouth, kSiteSouth, "name", "\"Mine now\"", Stamp(3000, 0, kDeviceB)) +
            "]");
    EXPECT_EQ(JsonAt(*ins, south.Scalar(), "{changes,0,outcome}"), "rejected") << south.Scalar();
    // Nor can the point be moved to South.
    const pg::QueryResult moved = Push(
        *ins, kDeviceB, 3,
        "[" + FieldChange("point", kPoint, kSiteSouth, "name", "\"Rod 1\"", Stamp(4000, 0, kDeviceB)) + "]");
    EXPECT_EQ(JsonAt(*ins, moved.Scalar(), "{changes,0,outcome}"), "rejected") << moved.Scalar();

    // A site the server has not heard of is the inspector's new site; it becomes its member.
    const std::string fresh = "44444444-4444-4444-8444-444444444444";
    const pg::QueryResult made =
        Push(*ins, kDeviceB, 4,
             "[" + FieldChange("site", fresh, fresh, "name", "\"East\"", Stamp(5000, 0, kDeviceB)) + "]");
    EXPECT_EQ(JsonAt(*ins, made.Scalar(), "{changes,0,outcome}"), "applied") << made.Scalar();
    EXPECT_EQ(ins->Query("SELECT count(*) FROM terrovane.member_sites WHERE login = current_user").Scalar(),
              "2");

    // What it reads: its sites, never South.
    EXPECT_EQ(
        ins->Query("SELECT string_agg(value #>> '{}', ',' ORDER BY value #>> '{}') FROM terrovane.fields "
                   "WHERE kind = 'site'")
            .Scalar(),
        "East,North");
    auto ada = SignIn("ada");
    EXPECT_EQ(ada->Query("SELECT count(*) FROM terrovane.fields WHERE kind = 'site'").Scalar(), "3");
}

TEST_F(TeamRightsTest, TheAuditKeepsWhoWhichDeviceWhenAndBothValues) {
    auto ins = SignIn("ins");
    ASSERT_TRUE(Push(*ins, kDeviceB, 1,
                     "[" +
                         FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North yard\"",
                                     Stamp(NowMillis(), 0, kDeviceB), Stamp(1000, 0, kDeviceA)) +
                         "]")
                    .Ok());
    auto ada = SignIn("ada");
    const pg::QueryResult audit = ada->Query(
        "SELECT login, device, old_value #>> '{}', new_value #>> '{}', at > now() - interval '1 minute' "
        "FROM terrovane.audit WHERE action = 'update' AND id = $1",
        {kSiteNorth});
    ASSERT_EQ(audit.rows.size(), 1u) << audit.Explained();
    EXPECT_EQ(audit.rows[0][0], db_.Login("ins"));
    EXPECT_EQ(audit.rows[0][1], kDeviceB);
    EXPECT_EQ(audit.rows[0][2], "North");
    EXPECT_EQ(audit.rows[0][3], "North yard");
    EXPECT_EQ(audit.rows[0][4], "t");
    // No member writes the audit itself, not even an admin.
    EXPECT_EQ(ada->Query("DELETE FROM terrovane.audit").error, pg::ErrorClass::Rejected);
    EXPECT_EQ(ins->Query("INSERT INTO terrovane.audit (action, kind, id) VALUES ('x', 'y', 'z')").error,
              pg::ErrorClass::Rejected);
}

TEST_F(TeamRightsTest, OneRefusedResultInABatchLeavesTheOthersApplied) {
    auto ins = SignIn("ins");
    const auto result = [](const std::string& key, const std::string& site) {
        return R"({"type":"content","kind":"result","key":")" + key + R"(","site":")" + site +
               R"(","body":{"re":"4.87"}})";
    };
    const pg::QueryResult answer = Push(*ins, kDeviceB, 1,
                                        "[" + result("k1", kSiteNorth) + "," + result("k2", kSiteSouth) +
                                            "," + result("k3", kSiteNorth) + "]");
    ASSERT_TRUE(answer.Ok()) << answer.Explained();
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,0,outcome}"), "applied") << answer.Scalar();
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,1,outcome}"), "rejected");
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,2,outcome}"), "applied");
    EXPECT_EQ(owner_->Query("SELECT string_agg(key, ',' ORDER BY key) FROM terrovane.content").Scalar(),
              "k1,k3");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.changes WHERE source = 'content'").Scalar(), "2");
}

}  // namespace
}  // namespace terrovane::testing

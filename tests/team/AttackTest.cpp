// Each way a member could get round the team's rules, tried as a member would: with psql and the member's
// own login, against a schema made by the program. Every one of them worked on the server's layout 3.
#include <gtest/gtest.h>

#include <algorithm>

#include "Members.h"
#include "SchemaSetup.h"
#include "ShellCommand.h"
#include "TeamFixture.h"

namespace terrovane::testing {
namespace {

class TeamAttackTest : public TeamDatabase {
  protected:
    // North and South with a point each; vic views North, ins inspects North, sam inspects South, ada is an
    // admin. A read-out has one result in each site (slot 0 North, slot 1 South); another only South's.
    void SetUp() override {
        TeamDatabase::SetUp();
        Member("ada", team::MemberRole::Admin);
        ada_ = SignIn("ada");
        mixed_ = MakeReadOut(*owner_, "2026-06-01T08:00:00", {11, 12});
        southOnly_ = MakeReadOut(*owner_, "2026-06-02T08:00:00", {13});
        const std::string stamp = Stamp(1000, 0, kDeviceA);
        const pg::QueryResult made =
            PushImages(*ada_, kDeviceA, 1,
                       "[" + FieldChange("site", kSiteNorth, "", "name", "\"North\"", stamp) + "," +
                           FieldChange("site", kSiteSouth, "", "name", "\"South\"", stamp) + "," +
                           PointChanges(kPoint, kSiteNorth, "Rod N", stamp) + "," +
                           PointChanges(kSouthPoint, kSiteSouth, "Rod S", stamp) + "," +
                           ReadOutChange(mixed_, 1) + "," + ReadOutChange(southOnly_, 2) + "," +
                           AssignmentChanges(*owner_, mixed_.resultKeys[0], kPoint, stamp) + "," +
                           AssignmentChanges(*owner_, mixed_.resultKeys[1], kSouthPoint, stamp) + "," +
                           AssignmentChanges(*owner_, southOnly_.resultKeys[0], kSouthPoint, stamp) + "]",
                       {mixed_.imageHex, southOnly_.imageHex});
        ASSERT_TRUE(made.Ok()) << made.Explained();
        ASSERT_EQ(owner_
                      ->Query("SELECT count(*) FROM jsonb_array_elements($1::jsonb->'changes') c "
                              "WHERE c->>'outcome' <> 'applied'",
                              {made.Scalar()})
                      .Scalar(),
                  "0")
            << made.Scalar();
        Member("vic", team::MemberRole::Viewer, {kSiteNorth});
        Member("ins", team::MemberRole::Inspector, {kSiteNorth});
        Member("sam", team::MemberRole::Inspector, {kSiteSouth});
    }

    // psql signed in as the member over 127.0.0.1, unaligned rows; its output and errors.
    CommandOutput Psql(const std::string& who, const std::string& sql) {
        const TestServer& server = RunningServer();
        return RunCommand("PGPASSWORD=" + ShellQuoted("pw-" + who) + " " +
                          ShellQuoted(server.bindir + "/psql") +
                          " -X -At -v ON_ERROR_STOP=1 -h 127.0.0.1 -p " + std::to_string(server.port) +
                          " -U " + ShellQuoted(db_.Login(who)) + " -d " + ShellQuoted(db_.Name()) + " -c " +
                          ShellQuoted(sql) + " 2>&1");
    }

    static bool Refused(const CommandOutput& out) {
        return out.status != 0 && out.text.find("permission denied") != std::string::npos;
    }

    std::string Layout() const { return std::to_string(team::kServerLayout); }

    static constexpr const char* kSouthPoint = "44444444-4444-4444-8444-444444444444";
    std::unique_ptr<pg::Connection> ada_;
    TestReadOut mixed_;
    TestReadOut southOnly_;
};

TEST_F(TeamAttackTest, AViewerReadsNothingOfASiteItIsNoMemberOf) {
    for (const char* table :
         {"fields", "content", "member_sites", "members", "changes", "conflicts", "audit"}) {
        const CommandOutput out = Psql("vic", std::string("SELECT count(*) FROM terrovane.") + table);
        EXPECT_TRUE(Refused(out)) << table << ": " << out.text;
    }
    const std::string pulled =
        "SELECT string_agg(DISTINCT kind || ':' || coalesce(site::text, '-'), ' ') FROM "
        "terrovane.pull(" +
        Layout() + ", 0, 5000)";
    CommandOutput out = Psql("vic", pulled);
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(out.text.find(kSiteSouth), std::string::npos) << out.text;
    EXPECT_NE(out.text.find(std::string("point:") + kSiteNorth), std::string::npos) << out.text;
    // No name of South's member, nor of the one who wrote South's rows, in what it receives.
    out = Psql("vic", "SELECT count(*) FROM terrovane.pull(" + Layout() + ", 0, 5000) WHERE changed_by = '" +
                          db_.Login("sam") + "'");
    EXPECT_EQ(out.text, "0\n");
    // The South-only read-out is not handed out; the mixed one with South's slot blank.
    out = Psql("vic", "SELECT key FROM terrovane.bodies(" + Layout() + ", ARRAY['" + southOnly_.key + "', '" +
                          mixed_.key + "'])");
    EXPECT_EQ(out.text, mixed_.key + "\n");
    out = Psql("vic", "SELECT substr(body->>'image', 1, 288) FROM terrovane.bodies(" + Layout() +
                          ", ARRAY['" + mixed_.key + "'])");
    EXPECT_EQ(out.text, PacketHex(11) + std::string(144, '0') + "\n");
    // The admin's image is whole.
    out = Psql("ada", "SELECT body->>'image' = '" + mixed_.imageHex + "' FROM terrovane.bodies(" + Layout() +
                          ", ARRAY['" + mixed_.key + "'])");
    EXPECT_EQ(out.text, "t\n");
}

TEST_F(TeamAttackTest, AnInspectorCannotWriteTheTablesNorWinWithAStampFarAhead) {
    const std::string far = "999999999999999-00000-" + std::string(kDeviceB);
    CommandOutput out = Psql("ins", "UPDATE terrovane.fields SET stamp = '" + far + "', changed_by = 'bob'");
    EXPECT_TRUE(Refused(out)) << out.text;
    out = Psql("ins",
               "INSERT INTO terrovane.conflicts (kind, id, field, kept_stamp, lost_stamp) VALUES "
               "('site', gen_random_uuid(), 'name', 'x', 'y')");
    EXPECT_TRUE(Refused(out)) << out.text;
    // Through the push the stamp is brought back to the server's clock, and who changed it is the login.
    out = Psql("ins", "SELECT terrovane.push(" + Layout() + ", '" + kDeviceB + "', 1, '[" +
                          FieldChange("site", kSiteNorth, "", "name", "\"Mine\"", far) +
                          "]'::jsonb)#>>'{changes,0,outcome}'");
    EXPECT_EQ(out.text, "clamped\n");
    EXPECT_LE(
        std::stoll(owner_
                       ->Query("SELECT left(stamp, 15) FROM terrovane.fields WHERE kind = 'site' AND id = $1",
                               {kSiteNorth})
                       .Scalar()),
        NowMillis() + 1000);
    EXPECT_EQ(
        owner_->Query("SELECT changed_by FROM terrovane.fields WHERE kind = 'site' AND id = $1", {kSiteNorth})
            .Scalar(),
        db_.Login("ins"));
}

TEST_F(TeamAttackTest, AnInspectorCannotTakeOverWhatAnotherMadeOutsideEverySite) {
    // Sam's result assigned to no point: it belongs to no site, and is Sam's.
    const TestReadOut own = MakeReadOut(*owner_, "2026-06-03T08:00:00", {21});
    auto sam = SignIn("sam");
    ASSERT_TRUE(PushImages(*sam, kDeviceB, 1,
                           "[" + ReadOutChange(own, 1) + "," +
                               AssignmentChanges(*owner_, own.resultKeys[0], "", Stamp(1000, 0, kDeviceB)) +
                               "]",
                           {own.imageHex})
                    .Ok());
    const std::string id = DerivedId(*owner_, "assignment:result:" + own.resultKeys[0]);
    const CommandOutput out =
        Psql("ins", "SELECT terrovane.push(" + Layout() + ", 'cccccccc-0000-4000-8000-000000000003', 1, '[" +
                        FieldChange("assignment", id, "", "point", "\"" + std::string(kPoint) + "\"",
                                    Stamp(NowMillis(), 0, "cccccccc-0000-4000-8000-000000000003")) +
                        "]'::jsonb)#>>'{changes,0,sqlstate}'");
    EXPECT_EQ(out.text, "42501\n");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.conflicts").Scalar(), "0");
}

TEST_F(TeamAttackTest, TheServerNotTheClientSaysWhichSiteARowIsOf) {
    const std::string device = "cccccccc-0000-4000-8000-000000000003";
    const std::string stamp = Stamp(NowMillis(), 0, device);
    const std::string newPoint = "55555555-5555-4555-8555-555555555555";
    const auto outcomes = [&](const std::string& changes) {
        static int batch = 0;
        return Psql("ins",
                    "SELECT string_agg(c->>'outcome' || coalesce(' ' || (c->>'sqlstate'), ''), ',') FROM "
                    "jsonb_array_elements(terrovane.push(" +
                        Layout() + ", '" + device + "', " + std::to_string(++batch) + ", '[" + changes +
                        "]'::jsonb)->'changes') c")
            .text;
    };
    // A new point placed into South, whatever site the change names.
    EXPECT_EQ(outcomes(FieldChange("point", newPoint, kSiteNorth, "site",
                                   "\"" + std::string(kSiteSouth) + "\"", stamp)),
              "rejected 42501\n");
    // South's point renamed, claiming North.
    EXPECT_EQ(outcomes(FieldChange("point", kSouthPoint, kSiteNorth, "name", "\"Mine\"", stamp)),
              "rejected 42501\n");
    // North's point moved to South.
    EXPECT_EQ(outcomes(FieldChange("point", kPoint, kSiteNorth, "site", "\"" + std::string(kSiteSouth) + "\"",
                                   stamp)),
              "rejected 42501\n");
    // A North result assigned to South's point.
    EXPECT_EQ(
        outcomes(FieldChange("assignment", DerivedId(*owner_, "assignment:result:" + mixed_.resultKeys[0]),
                             "", "point", "\"" + std::string(kSouthPoint) + "\"", stamp)),
        "rejected 42501\n");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.fields WHERE changed_by = $1", {db_.Login("ins")})
                  .Scalar(),
              "0");
}

TEST_F(TeamAttackTest, AKeyThatIsNoDigestIsRefusedAndHarmsNoPull) {
    int batch = 0;
    for (const std::string& key : std::vector<std::string>{"x\\\"y", "}{", mixed_.key + "\\\""}) {
        const CommandOutput out = Psql(
            "ins", "SELECT terrovane.push(" + Layout() + ", 'cccccccc-0000-4000-8000-000000000003', " +
                       std::to_string(++batch) + ", '[" + R"({"type":"content","kind":"analysis","key":")" +
                       key + R"(","body":{"uuid":"66666666-6666-4666-8666-666666666666","site":")" +
                       kSiteNorth + R"("}})" + "]'::jsonb)#>>'{changes,0,sqlstate}'");
        EXPECT_EQ(out.text, "22023\n") << key;
    }
    // A read-out whose key is not its digest.
    const TestReadOut forged{mixed_.readAt, mixed_.port, southOnly_.imageHex, mixed_.key, {}};
    auto ins = SignIn("ins");
    const pg::QueryResult answer = PushImages(*ins, "cccccccc-0000-4000-8000-000000000003", ++batch,
                                              "[" + ReadOutChange(forged, 1) + "]", {forged.imageHex});
    EXPECT_EQ(JsonAt(*ins, answer.Scalar(), "{changes,0,sqlstate}"), "22023") << answer.Scalar();
    // Keys another member chose go as one array parameter: quotes and braces stay inside their element.
    const pg::QueryResult bodies = ins->Query("SELECT count(*) FROM terrovane.bodies($1, $2::text[])",
                                              {Layout(), pg::TextArray({"\"}{,", mixed_.key})});
    EXPECT_TRUE(bodies.Ok()) << bodies.Explained();
    EXPECT_EQ(bodies.Scalar(), "1");
}

TEST_F(TeamAttackTest, ADeviceBelongsToTheLoginThatFirstSyncedIt) {
    CommandOutput out = Psql("vic", "INSERT INTO terrovane.batches (device, batch, answer) VALUES ('" +
                                        std::string(kDeviceA) + "', 2, '{\"status\":\"applied\"}')");
    EXPECT_TRUE(Refused(out)) << out.text;
    // Vic read Ada's device from somewhere: pushing or signing in under it is refused, Ada goes on.
    out = Psql("vic", "SELECT terrovane.push(" + Layout() + ", '" + kDeviceA + "', 2, '[]')->>'status'");
    EXPECT_EQ(out.text, "other_login\n");
    out = Psql("vic", "SELECT terrovane.sign_in(" + Layout() + ", '" + kDeviceA + "')->>'status'");
    EXPECT_EQ(out.text, "other_login\n");
    const pg::QueryResult next = Push(
        *ada_, kDeviceA, 2,
        "[" + FieldChange("site", kSiteNorth, "", "notes", "\"n\"", Stamp(NowMillis(), 0, kDeviceA)) + "]");
    EXPECT_EQ(JsonAt(*ada_, next.Scalar(), "{status}"), "applied") << next.Scalar();
    // The same number again with other changes: a copy of the archive, told so, nothing applied.
    const pg::QueryResult copy =
        Push(*ada_, kDeviceA, 2,
             "[" + FieldChange("site", kSiteNorth, "", "notes", "\"copy\"", Stamp(NowMillis(), 1, kDeviceA)) +
                 "]");
    EXPECT_EQ(JsonAt(*ada_, copy.Scalar(), "{status}"), "copied") << copy.Scalar();
    EXPECT_EQ(owner_->Query("SELECT value #>> '{}' FROM terrovane.fields WHERE field = 'notes'").Scalar(),
              "n");
}

TEST_F(TeamAttackTest, AMemberGivenASiteLaterReceivesItsHistoryWithTheNextPull) {
    auto vic = SignIn("vic");
    // Its archive signed in and pulled everything it could read.
    ASSERT_EQ(vic->Query("SELECT terrovane.sign_in($1, $2::uuid)->>'status'", {Layout(), kDeviceB}).Scalar(),
              "ok");
    std::string cursor = "0";
    while (!PullPage(*vic, cursor).empty()) {
    }
    Member("vic", team::MemberRole::Viewer, {kSiteNorth, kSiteSouth});
    std::vector<std::string> seen = PullPage(*vic, cursor);
    std::sort(seen.begin(), seen.end());
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(seen,
              (std::vector<std::string>{"assignment:point", "assignment:result", "point:name", "point:site",
                                        "readout:" + mixed_.key, "readout:" + southOnly_.key, "site:name"}));
}

TEST_F(TeamAttackTest, ANewMembersFirstPullHandsOutEachThingOfItsSitesOnce) {
    // Given both sites before it ever synced: their history is in the log it pulls from the start, and
    // nothing of it is logged a second time for it.
    Member("neo", team::MemberRole::Viewer, {kSiteNorth, kSiteSouth});
    auto neo = SignIn("neo");
    ASSERT_EQ(neo->Query("SELECT terrovane.sign_in($1, $2::uuid)->>'status'", {Layout(), kDeviceB}).Scalar(),
              "ok");
    const pg::QueryResult pulled =
        neo->Query("SELECT kind || ':' || id || ':' || coalesce(field, '') FROM terrovane.pull($1, 0, 5000)",
                   {Layout()});
    ASSERT_TRUE(pulled.Ok()) << pulled.Explained();
    std::vector<std::string> seen;
    for (const auto& row : pulled.rows) {
        seen.push_back(*row[0]);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << ::testing::PrintToString(seen);
    // Everything of both sites: two sites' names, two points' site and name, three assignments of two
    // fields, the two read-outs.
    EXPECT_EQ(seen.size(), 2u + 4u + 6u + 2u) << ::testing::PrintToString(seen);
    // Nothing was logged again for anyone: every member here was given its sites before it first synced.
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.changes WHERE for_login IS NOT NULL").Scalar(),
              "0");
}

TEST_F(TeamAttackTest, NoMemberBecomesTheOwnerThroughAFunctionInPublic) {
    // A database carried over from PostgreSQL 14: everyone may create in public.
    ASSERT_TRUE(db_.Superuser()->Query("GRANT CREATE ON SCHEMA public TO PUBLIC").Ok());
    const CommandOutput planted =
        Psql("vic",
             "CREATE TABLE public.evidence (who name); GRANT INSERT ON public.evidence TO PUBLIC; "
             "CREATE FUNCTION public.format(text, name, text) RETURNS text LANGUAGE sql AS "
             "$$ INSERT INTO public.evidence VALUES (current_user) RETURNING 'SELECT 1' $$; "
             "CREATE FUNCTION public.format(text, name, name) RETURNS text LANGUAGE sql AS "
             "$$ INSERT INTO public.evidence VALUES (current_user) RETURNING 'SELECT 1' $$;");
    ASSERT_EQ(planted.status, 0) << planted.text;
    Member("new", team::MemberRole::Viewer, {kSiteNorth});
    EXPECT_EQ(db_.Superuser()->Query("SELECT count(*) FROM public.evidence").Scalar(), "0");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM pg_roles WHERE rolname = $1", {db_.Login("new")}).Scalar(),
              "1");
}

}  // namespace
}  // namespace terrovane::testing

// team upgrade from servers made by earlier versions of this program (their schema taken from the
// project's history, tests/team/layouts): every row kept, devices and their batches kept, an archive's
// place in the change log translated, a poison key planted on the old server harmless, members without
// any right on the tables afterwards; and through the command line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Members.h"
#include "SchemaSetup.h"
#include "ServerSchema.h"
#include "ShellCommand.h"
#include "TeamFixture.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

struct OldLayout {
    const char* file;
    int layout;
};

// Named by its file in the tests' names.
void PrintTo(const OldLayout& layout, std::ostream* out) {
    *out << layout.file;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class TeamUpgradeTest : public ::testing::TestWithParam<OldLayout> {
  protected:
    void SetUp() override {
        owner_ = db_.Owner();
        ASSERT_NE(owner_, nullptr);
        const pg::QueryResult made =
            owner_->RunScript(FileText(std::string(TV_TEAM_LAYOUTS) + "/" + GetParam().file));
        ASSERT_TRUE(made.Ok()) << made.Explained();
        for (const auto& [who, role, sites] :
             std::vector<std::tuple<std::string, team::MemberRole, std::vector<std::string>>>{
                 {"ann", team::MemberRole::Admin, {}}, {"vic", team::MemberRole::Viewer, {kSiteNorth}}}) {
            const pg::QueryResult added =
                team::AddMember(*owner_, {db_.Login(who), role, "pw-" + who, sites});
            ASSERT_TRUE(added.Ok()) << added.Explained();
        }
        ann_ = db_.As(db_.Login("ann"), "pw-ann");
        vic_ = db_.As(db_.Login("vic"), "pw-vic");
    }

    std::string Old() const { return std::to_string(GetParam().layout); }
    std::string Now() const { return std::to_string(team::kServerLayout); }

    // What must survive the upgrade, as one text.
    std::string Rows() {
        return owner_
            ->Query(
                "SELECT concat_ws(' | ', "
                "(SELECT string_agg(concat_ws(',', kind, id, field, value, stamp, changed_by), ';' ORDER BY "
                "kind, id, field) FROM terrovane.fields), "
                "(SELECT string_agg(concat_ws(',', kind, key, md5(body::text), added_by), ';' ORDER BY kind, "
                "key) FROM terrovane.content), "
                "(SELECT string_agg(concat_ws(',', login, role), ';' ORDER BY login) FROM "
                "terrovane.members), "
                "(SELECT string_agg(concat_ws(',', login, site), ';' ORDER BY login, site) FROM "
                "terrovane.member_sites), "
                "(SELECT string_agg(concat_ws(',', device, batch, answer), ';' ORDER BY device, batch) FROM "
                "terrovane.batches), "
                "(SELECT string_agg(concat_ws(',', kind, id, field, kept_value, lost_value), ';' ORDER BY "
                "seq) "
                "FROM terrovane.conflicts))")
            .Scalar();
    }

    ScratchDatabase db_;
    std::unique_ptr<pg::Connection> owner_;
    std::unique_ptr<pg::Connection> ann_;
    std::unique_ptr<pg::Connection> vic_;
};

TEST_P(TeamUpgradeTest, EveryRowAndEveryArchivesPlaceAreKept) {
    // Before: Ann's archive pushed a site, a point, a read-out and its result's assignment; Vic's pulled.
    const TestReadOut readOut = MakeReadOut(*owner_, "2026-03-01T09:00:00", {7, 8});
    const std::string stamp = Stamp(1000, 0, kDeviceA);
    const std::string first = "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North\"", stamp) +
                              "," + PointChanges(kPoint, kSiteNorth, "Rod 1", stamp) + "," +
                              R"({"type":"content","kind":"readout","key":")" + readOut.key +
                              R"(","site":null,"body":{"read_at":")" + readOut.readAt + R"(","port":")" +
                              readOut.port + R"(","image":")" + readOut.imageHex + R"("}},)" +
                              FieldChange("assignment", owner_->Query("SELECT md5('a')::uuid").Scalar(),
                                          kSiteNorth, "point", "\"" + std::string(kPoint) + "\"", stamp) +
                              "]";
    const pg::QueryResult pushed =
        ann_->Query("SELECT terrovane.push($1, $2::uuid, 1, $3::jsonb)::text", {Old(), kDeviceA, first});
    ASSERT_TRUE(pushed.Ok()) << pushed.Explained();
    ASSERT_EQ(JsonAt(*ann_, pushed.Scalar(), "{status}"), "applied") << pushed.Scalar();
    // Where Vic's archive stands once it pulled everything: the last change, as the old pull's cursor (read
    // by the owner: the pull before layout 4 holds everything back while any transaction on the server
    // runs, such as another test's); from layout 4 on, the place in the log itself.
    const bool ordered = GetParam().layout >= 4;
    const pg::QueryResult pulled = owner_->Query(
        ordered ? "SELECT max(ord)::text, '' FROM terrovane.changes"
                : "SELECT xid::text, seq::text FROM terrovane.changes ORDER BY xid DESC, seq DESC LIMIT 1");
    ASSERT_TRUE(pulled.Ok() && pulled.rows.size() == 1) << pulled.Explained();
    // A poison key, as any admin could write one on a server before layout 4 (left from then on one of
    // layout 4).
    ASSERT_TRUE(
        (ordered ? owner_ : ann_)
            ->Query("INSERT INTO terrovane.content (kind, key, body) VALUES ('readout', 'x\"}{y', '{}')")
            .Ok());
    const std::string before = Rows();

    // A sync of this program is refused, naming the command.
    const pg::QueryResult refused = vic_->Query("SELECT terrovane.layout()");
    EXPECT_EQ(refused.Scalar(), Old());

    const team::SetupResult upgrade = team::UpgradeSchema(*owner_);
    ASSERT_EQ(upgrade.outcome, team::SetupOutcome::Upgraded) << upgrade.failure.Explained();
    EXPECT_EQ(upgrade.fromLayout, GetParam().layout);
    EXPECT_EQ(upgrade.serverLayout, team::kServerLayout);
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(team::UpgradeSchema(*owner_).outcome, team::SetupOutcome::AlreadyThere);

    // Ann's archive goes on with its next batch as the same device; its first batch sent again gets the
    // answer it had.
    const pg::QueryResult signedIn =
        ann_->Query("SELECT terrovane.sign_in($1, $2::uuid)::text", {Now(), kDeviceA});
    EXPECT_EQ(JsonAt(*ann_, signedIn.Scalar(), "{status}"), "ok") << signedIn.Scalar();
    const pg::QueryResult again =
        ann_->Query("SELECT terrovane.push($1, $2::uuid, 1, $3::jsonb)::text", {Now(), kDeviceA, first});
    EXPECT_EQ(again.Scalar(), pushed.Scalar()) << again.Explained();
    const pg::QueryResult next = Push(
        *ann_, kDeviceA, 2,
        "[" +
            FieldChange("point", kPoint, kSiteNorth, "name", "\"Rod 1b\"", Stamp(2000, 0, kDeviceA), stamp) +
            "]");
    EXPECT_EQ(JsonAt(*ann_, next.Scalar(), "{changes,0,outcome}"), "applied") << next.Scalar();

    // Vic's archive goes on from where it was: only what came after.
    std::string cursor = ordered ? *pulled.rows[0][0]
                                 : vic_->Query("SELECT terrovane.cursor_after($1::xid8, $2::bigint)",
                                               {*pulled.rows[0][0], *pulled.rows[0][1]})
                                       .Scalar();
    EXPECT_EQ(PullPage(*vic_, cursor), std::vector<std::string>{"point:name"});

    // The poison key harms no pull, and members have no right on any table any more.
    const pg::QueryResult bodies = ann_->Query("SELECT count(*) FROM terrovane.bodies($1, $2::text[])",
                                               {Now(), pg::TextArray({"x\"}{y", readOut.key})});
    EXPECT_TRUE(bodies.Ok()) << bodies.Explained();
    EXPECT_EQ(bodies.Scalar(), "1");
    EXPECT_EQ(vic_->Query("SELECT count(*) FROM terrovane.fields").error, pg::ErrorClass::Rejected);
    EXPECT_EQ(
        ann_->Query("INSERT INTO terrovane.batches (device, batch, answer) VALUES ($1, 9, '{}')", {kDeviceB})
            .error,
        pg::ErrorClass::Rejected);
}

INSTANTIATE_TEST_SUITE_P(EarlierLayouts, TeamUpgradeTest,
                         ::testing::Values(OldLayout{"layout1.sql", 1}, OldLayout{"layout2.sql", 2},
                                           OldLayout{"layout2-analyses.sql", 2}, OldLayout{"layout3.sql", 3},
                                           OldLayout{"layout4.sql", 4}, OldLayout{"layout5.sql", 5},
                                           OldLayout{"layout7.sql", 7}, OldLayout{"layout9.sql", 9}),
                         [](const ::testing::TestParamInfo<OldLayout>& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

// Runs terrovane-cli with the arguments; both outputs.
CommandOutput Cli(const std::vector<std::string>& arguments) {
    std::string line = ShellQuoted(TERROVANE_CLI_PATH);
    for (const std::string& argument : arguments) {
        line += " " + ShellQuoted(argument);
    }
    return RunCommand(line + " 2>&1 </dev/null");
}

TEST(TeamUpgradeCliTest, StatusNamesTheUpgradeWhichTheOwnerRuns) {
    ScratchDatabase db;
    const std::string owner = db.SocketConninfo(kOwner, kOwnerPassword);
    ASSERT_TRUE(db.Owner()->RunScript(FileText(std::string(TV_TEAM_LAYOUTS) + "/layout3.sql")).Ok());
    CommandOutput out = Cli({"team", "status", "--server", owner});
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.text.find("terrovane-cli team upgrade"), std::string::npos) << out.text;
    out = Cli({"team", "upgrade", "--server", owner});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_NE(out.text.find("from layout 3 to layout " + std::to_string(team::kServerLayout)),
              std::string::npos)
        << out.text;
    out = Cli({"team", "status", "--server", owner});
    EXPECT_EQ(out.status, 0) << out.text;
    out = Cli({"team", "upgrade", "--server", owner});
    EXPECT_EQ(out.status, 0);
    EXPECT_NE(out.text.find("nothing changed"), std::string::npos) << out.text;
}

}  // namespace
}  // namespace terrovane::testing

// team init against the real server: the schema once, at its layout, and nothing touched on a second run
// or at another layout; the members' logins with SCRAM verifiers.
#include "ServerSchema.h"
#include "TeamFixture.h"
#include "TeamStatus.h"

namespace terrovane::testing {
namespace {

TEST(TeamSchemaTest, InitMakesTheSchemaOnceAndRecordsItsLayout) {
    ScratchDatabase db;
    auto owner = db.Owner();
    ASSERT_NE(owner, nullptr);
    pg::QueryResult failure;
    EXPECT_EQ(team::ServerLayout(*owner, failure), 0);

    team::SetupResult setup = team::SetUpSchema(*owner);
    ASSERT_EQ(setup.outcome, team::SetupOutcome::Created) << setup.failure.Explained();
    EXPECT_EQ(setup.serverLayout, team::kServerLayout);
    EXPECT_EQ(team::ServerLayout(*owner, failure), team::kServerLayout);

    setup = team::SetUpSchema(*owner);
    EXPECT_EQ(setup.outcome, team::SetupOutcome::AlreadyThere);

    ASSERT_TRUE(owner->Query("UPDATE terrovane.meta SET value = '99' WHERE key = 'layout'").Ok());
    setup = team::SetUpSchema(*owner);
    EXPECT_EQ(setup.outcome, team::SetupOutcome::OtherLayout);
    EXPECT_EQ(setup.serverLayout, 99);

    // Only the team's members may connect to the database.
    auto admin = db.Superuser();
    EXPECT_EQ(admin->Query("SELECT has_database_privilege('public', $1, 'CONNECT')", {db.Name()}).Scalar(),
              "f");
}

TEST(TeamSchemaTest, AFailedInitLeavesNothingBehind) {
    ScratchDatabase db;
    auto admin = db.Superuser();
    // An owner without the right to make roles cannot make the team's group role: all of it is undone.
    ASSERT_TRUE(admin->Query("CREATE ROLE " + db.Login("weak") + " LOGIN PASSWORD 'weak'").Ok());
    ASSERT_TRUE(admin->Query("ALTER DATABASE " + db.Name() + " OWNER TO " + db.Login("weak")).Ok());
    auto weak = db.As(db.Login("weak"), "weak");
    ASSERT_NE(weak, nullptr);
    const team::SetupResult setup = team::SetUpSchema(*weak);
    EXPECT_EQ(setup.outcome, team::SetupOutcome::Failed);
    EXPECT_EQ(setup.failure.error, pg::ErrorClass::Rejected) << setup.failure.Explained();
    EXPECT_EQ(admin->Query("SELECT count(*) FROM pg_namespace WHERE nspname = 'terrovane'").Scalar(), "0");
}

class TeamMembersTest : public TeamDatabase {};

TEST_F(TeamMembersTest, MembersSignInWithScramAndTheirRoleAndSites) {
    const std::string ann = Member("ann", team::MemberRole::Inspector, {"North", "South"});
    Member("vic", team::MemberRole::Viewer);
    auto admin = db_.Superuser();
    EXPECT_EQ(admin->Query("SELECT left(rolpassword, 14) FROM pg_authid WHERE rolname = $1", {ann}).Scalar(),
              "SCRAM-SHA-256$");

    auto annConnection = SignIn("ann");
    ASSERT_NE(annConnection, nullptr);
    pg::QueryResult failure;
    auto status = team::ReadStatus(*annConnection, failure);
    ASSERT_TRUE(status) << failure.Explained();
    EXPECT_EQ(status->login, ann);
    EXPECT_EQ(status->role, "inspector");
    EXPECT_EQ(status->sites, 2);
    EXPECT_EQ(status->serverLayout, team::kServerLayout);
    // The names became sites of the server, each once.
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.fields WHERE kind = 'site' AND field = 'name'")
                  .Scalar(),
              "2");

    // Added again: the role and sites change, the password stays.
    const pg::QueryResult again =
        team::AddMember(*owner_, {ann, team::MemberRole::Admin, std::nullopt, {"North"}});
    ASSERT_TRUE(again.Ok()) << again.Explained();
    annConnection = SignIn("ann");
    ASSERT_NE(annConnection, nullptr);
    status = team::ReadStatus(*annConnection, failure);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->role, "admin");
    EXPECT_EQ(status->sites, 1);
}

TEST_F(TeamMembersTest, ANewLoginWithoutAPasswordIsRefusedRatherThanMadeUnusable) {
    const pg::QueryResult added =
        team::AddMember(*owner_, {db_.Login("nopw"), team::MemberRole::Viewer, std::nullopt, {}});
    EXPECT_FALSE(added.Ok());
    EXPECT_NE(added.message.find("needs a password"), std::string::npos) << added.message;
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.members").Scalar(), "0");
}

TEST_F(TeamMembersTest, ARemovedMemberCanNoLongerConnect) {
    const std::string ann = Member("ann", team::MemberRole::Inspector);
    ASSERT_NE(SignIn("ann"), nullptr);
    ASSERT_TRUE(team::RemoveMember(*owner_, ann).Ok());
    pg::ConnectOptions options;
    options.conninfo = db_.TcpConninfo(ann, "pw-ann");
    pg::QueryResult failure;
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, pg::ErrorClass::SignInRefused) << failure.message;

    const pg::QueryResult unknown = team::RemoveMember(*owner_, ann);
    EXPECT_FALSE(unknown.Ok());
    EXPECT_NE(unknown.message.find("not a member"), std::string::npos) << unknown.message;
}

TEST_F(TeamMembersTest, NoOneWhoPassesByTheRulesCanBeAMember) {
    auto admin = db_.Superuser();
    ASSERT_TRUE(admin->Query("CREATE ROLE " + db_.Login("root") + " LOGIN SUPERUSER").Ok());
    EXPECT_FALSE(
        team::AddMember(*owner_, {db_.Login("root"), team::MemberRole::Viewer, std::nullopt, {}}).Ok());
    const pg::QueryResult self =
        team::AddMember(*owner_, {kOwner, team::MemberRole::Admin, std::nullopt, {}});
    EXPECT_FALSE(self.Ok());
    EXPECT_NE(self.message.find("owner"), std::string::npos) << self.message;
}

TEST_F(TeamMembersTest, OnlyTheOwnerManagesMembers) {
    Member("ada", team::MemberRole::Admin);
    auto ada = SignIn("ada");
    ASSERT_NE(ada, nullptr);
    const pg::QueryResult added = team::AddMember(*ada, {db_.Login("eve"), team::MemberRole::Admin, "x", {}});
    EXPECT_EQ(added.error, pg::ErrorClass::Rejected) << added.Explained();
    EXPECT_EQ(team::RemoveMember(*ada, db_.Login("ada")).error, pg::ErrorClass::Rejected);
}

}  // namespace
}  // namespace terrovane::testing

// The server's half of sync, called as the clients will call it: push applies a batch once and answers a
// repeat the same, refuses a gap; the later stamp wins each field and the loser is kept; pull never skips
// a change whose transaction commits late.
#include <thread>

#include "TeamFixture.h"

namespace terrovane::testing {
namespace {

class TeamSyncTest : public TeamDatabase {
  protected:
    void SetUp() override {
        TeamDatabase::SetUp();
        Member("ann", team::MemberRole::Admin);
        Member("bob", team::MemberRole::Admin);
        ann_ = SignIn("ann");
        bob_ = SignIn("bob");
        ASSERT_NE(ann_, nullptr);
        ASSERT_NE(bob_, nullptr);
    }

    std::string Count(const std::string& table) {
        return owner_->Query("SELECT count(*) FROM terrovane." + table).Scalar();
    }

    std::string Value(const std::string& id, const std::string& field) {
        return owner_
            ->Query("SELECT value #>> '{}' FROM terrovane.fields WHERE id = $1 AND field = $2", {id, field})
            .Scalar();
    }

    std::unique_ptr<pg::Connection> ann_;
    std::unique_ptr<pg::Connection> bob_;
};

TEST_F(TeamSyncTest, ABatchSentTwiceIsAppliedOnceAndAnsweredTheSame) {
    const TestReadOut readOut = MakeReadOut(*owner_, "2026-05-04T10:00:00", {1, 2});
    const std::string batch =
        "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North\"", Stamp(1000, 0, kDeviceA)) +
        "," + ReadOutChange(readOut, 1) + "]";
    const pg::QueryResult first = PushImages(*ann_, kDeviceA, 1, batch, {readOut.imageHex});
    ASSERT_TRUE(first.Ok()) << first.Explained();
    EXPECT_EQ(JsonAt(*ann_, first.Scalar(), "{status}"), "applied");
    const std::string audited = Count("audit");
    const std::string logged = Count("changes");

    // The answer was lost on the way: the client sends the batch again and gets the same answer.
    const pg::QueryResult again = PushImages(*ann_, kDeviceA, 1, batch, {readOut.imageHex});
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(again.Scalar(), first.Scalar());
    EXPECT_EQ(Count("audit"), audited);
    EXPECT_EQ(Count("changes"), logged);

    // The same read-out from another PC is known already, never a conflict.
    const pg::QueryResult other =
        PushImages(*bob_, kDeviceB, 1, "[" + ReadOutChange(readOut, 1) + "]", {readOut.imageHex});
    EXPECT_EQ(JsonAt(*bob_, other.Scalar(), "{changes,0,outcome}"), "known");
    EXPECT_EQ(Count("content"), "1");
}

TEST_F(TeamSyncTest, ABatchAfterAGapIsRefusedWithTheNumberExpected) {
    const std::string change =
        "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"N\"", Stamp(1000, 0, kDeviceA)) + "]";
    const pg::QueryResult gap = Push(*ann_, kDeviceA, 3, change);
    ASSERT_TRUE(gap.Ok());
    EXPECT_EQ(JsonAt(*ann_, gap.Scalar(), "{status}"), "gap");
    EXPECT_EQ(JsonAt(*ann_, gap.Scalar(), "{expected}"), "1");
    EXPECT_EQ(Count("fields"), "0");
    EXPECT_EQ(Count("batches"), "0");
    ASSERT_EQ(JsonAt(*ann_, Push(*ann_, kDeviceA, 1, change).Scalar(), "{status}"), "applied");
    EXPECT_EQ(JsonAt(*ann_, Push(*ann_, kDeviceA, 3, change).Scalar(), "{expected}"), "2");
    // Another device counts its own batches.
    EXPECT_EQ(JsonAt(*bob_, Push(*bob_, kDeviceB, 1, "[]").Scalar(), "{status}"), "applied");
}

TEST_F(TeamSyncTest, TheLaterStampWinsEachFieldAndTheLoserIsKept) {
    const std::string base = Stamp(1000, 0, kDeviceA);
    ASSERT_TRUE(Push(*ann_, kDeviceA, 1,
                     "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"North\"", base) + "," +
                         FieldChange("point", kPoint, kSiteNorth, "site",
                                     "\"" + std::string(kSiteNorth) + "\"", base) +
                         "," + FieldChange("point", kPoint, kSiteNorth, "name", "\"Rod\"", base) + "," +
                         FieldChange("point", kPoint, kSiteNorth, "limit_ohm", "10", base) + "]")
                    .Ok());
    // Both PCs changed the name offline from the same base; Bob later. Ann also changed the limit alone.
    ASSERT_TRUE(Push(*bob_, kDeviceB, 1,
                     "[" +
                         FieldChange("point", kPoint, kSiteNorth, "name", "\"Rod B\"",
                                     Stamp(3000, 0, kDeviceB), base) +
                         "]")
                    .Ok());
    const pg::QueryResult late = Push(
        *ann_, kDeviceA, 2,
        "[" + FieldChange("point", kPoint, kSiteNorth, "name", "\"Rod A\"", Stamp(2000, 0, kDeviceA), base) +
            "," + FieldChange("point", kPoint, kSiteNorth, "limit_ohm", "5", Stamp(2000, 1, kDeviceA), base) +
            "]");
    EXPECT_EQ(JsonAt(*ann_, late.Scalar(), "{changes,0,outcome}"), "superseded") << late.Scalar();
    EXPECT_EQ(JsonAt(*ann_, late.Scalar(), "{changes,1,outcome}"), "applied");
    EXPECT_EQ(Value(kPoint, "name"), "Rod B");
    EXPECT_EQ(Value(kPoint, "limit_ohm"), "5");
    const pg::QueryResult conflicts =
        owner_->Query("SELECT field, kept_value #>> '{}', lost_value #>> '{}' FROM terrovane.conflicts");
    ASSERT_EQ(conflicts.rows.size(), 1u);
    EXPECT_EQ(conflicts.rows[0][0], "name");
    EXPECT_EQ(conflicts.rows[0][1], "Rod B");
    EXPECT_EQ(conflicts.rows[0][2], "Rod A");

    // Equal times: the device id breaks the tie, the same way on every PC.
    ASSERT_TRUE(
        Push(*ann_, kDeviceA, 3,
             "[" + FieldChange("point", kPoint, kSiteNorth, "notes", "\"a\"", Stamp(9000, 0, kDeviceA)) + "]")
            .Ok());
    ASSERT_TRUE(
        Push(*bob_, kDeviceB, 2,
             "[" + FieldChange("point", kPoint, kSiteNorth, "notes", "\"b\"", Stamp(9000, 0, kDeviceB)) + "]")
            .Ok());
    EXPECT_EQ(Value(kPoint, "notes"), "b");
}

TEST_F(TeamSyncTest, AStampFarAheadOfTheServersClockIsClampedAndSaidSo) {
    const long long days = 3LL * 24 * 3600 * 1000;
    const pg::QueryResult answer = Push(*ann_, kDeviceA, 1,
                                        "[" +
                                            FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"Ahead\"",
                                                        Stamp(NowMillis() + days, 0, kDeviceA)) +
                                            "]");
    EXPECT_EQ(JsonAt(*ann_, answer.Scalar(), "{changes,0,outcome}"), "clamped") << answer.Scalar();
    const std::string stored = owner_->Query("SELECT stamp FROM terrovane.fields").Scalar();
    EXPECT_LE(std::stoll(stored.substr(0, 15)), NowMillis() + 1000);
    // So a later edit from a PC with a true clock still wins.
    ASSERT_TRUE(Push(*bob_, kDeviceB, 1,
                     "[" +
                         FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"Now\"",
                                     Stamp(NowMillis() + 2000, 0, kDeviceB)) +
                         "]")
                    .Ok());
    EXPECT_EQ(Value(kSiteNorth, "name"), "Now");

    const pg::QueryResult bad =
        Push(*ann_, kDeviceA, 2,
             "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "1", "yesterday") + "]");
    EXPECT_EQ(JsonAt(*ann_, bad.Scalar(), "{changes,0,outcome}"), "rejected");
}

TEST_F(TeamSyncTest, TheLogIsInCommitOrderSoPullNeverSkipsAChangeThatCommitsLate) {
    auto reader = SignIn("ann");
    ASSERT_TRUE(
        Push(*ann_, kDeviceA, 1,
             "[" +
                 FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"first\"", Stamp(1000, 0, kDeviceA)) +
                 "]")
            .Ok());
    // Ann's second batch stays open; Bob's push waits for it, so its change comes after Ann's in the log.
    ASSERT_TRUE(ann_->Query("BEGIN").Ok());
    ASSERT_TRUE(
        Push(*ann_, kDeviceA, 2,
             "[" + FieldChange("site", kSiteNorth, kSiteNorth, "late", "1", Stamp(2000, 0, kDeviceA)) + "]")
            .Ok());
    std::thread bob([this] {
        EXPECT_TRUE(
            Push(*bob_, kDeviceB, 1,
                 "[" + FieldChange("site", kSiteNorth, kSiteNorth, "early", "2", Stamp(3000, 0, kDeviceB)) +
                     "]")
                .Ok());
    });
    std::string cursor = "0";
    EXPECT_EQ(PullPage(*reader, cursor), std::vector<std::string>{"site:name"});
    EXPECT_TRUE(PullPage(*reader, cursor).empty());
    ASSERT_TRUE(ann_->Query("COMMIT").Ok());
    bob.join();
    EXPECT_EQ(PullPage(*reader, cursor), (std::vector<std::string>{"site:late", "site:early"}));
    EXPECT_TRUE(PullPage(*reader, cursor).empty());
}

TEST_F(TeamSyncTest, AnOpenTransactionInAnotherDatabaseNeverHoldsThePullBack) {
    // Another application's transaction on the same server, that has written (it holds a transaction id).
    auto elsewhere =
        MustOpen("host=" + RunningServer().socketFolder + " port=" + std::to_string(RunningServer().port) +
                 " dbname=postgres user=postgres");
    ASSERT_TRUE(elsewhere->Query("BEGIN").Ok());
    ASSERT_TRUE(elsewhere->Query("SELECT pg_current_xact_id()").Ok());
    ASSERT_TRUE(
        Push(*ann_, kDeviceA, 1,
             "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"N\"", Stamp(1000, 0, kDeviceA)) +
                 "]")
            .Ok());
    std::string cursor = "0";
    EXPECT_EQ(PullPage(*bob_, cursor), std::vector<std::string>{"site:name"});
    ASSERT_TRUE(elsewhere->Query("ROLLBACK").Ok());
}

TEST_F(TeamSyncTest, AClientOfAnotherLayoutIsToldWhichSideToUpdateAndNothingIsApplied) {
    const std::string change =
        "[" + FieldChange("site", kSiteNorth, kSiteNorth, "name", "\"N\"", Stamp(1000, 0, kDeviceA)) + "]";
    const std::string newer = std::to_string(team::kServerLayout + 1);
    const pg::QueryResult pushed =
        ann_->Query("SELECT terrovane.push($1, $2::uuid, 1, $3::jsonb)", {newer, kDeviceA, change});
    ASSERT_TRUE(pushed.Ok()) << pushed.Explained();
    EXPECT_EQ(JsonAt(*ann_, pushed.Scalar(), "{status}"), "layout");
    EXPECT_EQ(JsonAt(*ann_, pushed.Scalar(), "{server}"), std::to_string(team::kServerLayout));
    EXPECT_EQ(Count("fields"), "0");
    EXPECT_EQ(Count("batches"), "0");

    const pg::QueryResult older = ann_->Query("SELECT * FROM terrovane.pull(0, 0, 10)");
    EXPECT_FALSE(older.Ok());
    EXPECT_NE(older.message.find("update this program"), std::string::npos) << older.message;
    const pg::QueryResult ahead = ann_->Query("SELECT * FROM terrovane.pull($1, 0, 10)", {newer});
    EXPECT_NE(ahead.message.find("terrovane-cli team upgrade"), std::string::npos) << ahead.message;
}

}  // namespace
}  // namespace terrovane::testing

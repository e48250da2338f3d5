// The network failing at the worst moments, through a relay of our own in front of the real server: the
// push cut half way, the server's answer lost after it committed, a pull page cut off. Each time the sync
// says the server could not be reached, and the next one brings everything to the same state without
// losing or doubling anything.
#include "FaultProxy.h"
#include "Sites.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncFaultTest : public SyncTest {
  protected:
    std::string ThroughProxy(const std::string& who) const {
        return "host=127.0.0.1 port=" + std::to_string(proxy_.Port()) + " dbname=" + db_.Name() +
               " user=" + db_.Login(who) + " password=pw-" + who + " sslmode=disable";
    }
    std::string ServerCount(const std::string& table) {
        return owner_->Query("SELECT count(*) FROM terrovane." + table).Scalar();
    }
    // A site, a point and a read-out with a result assigned to it.
    void Record(const std::string& who, const std::string& site, int seed) {
        const std::int64_t siteId = AddSite(who, site);
        const std::int64_t point = AddPoint(who, siteId, "Leg A");
        const std::int64_t result = StoreReadOut(who, seed);
        std::string error;
        ASSERT_TRUE(archive::Assign(Archive(who), {result}, point, error)) << error;
    }

    FaultProxy proxy_{RunningServer().port};
};

TEST_F(SyncFaultTest, APushCutHalfWayIsSentAgainWhole) {
    Record("ann", "East", 1);
    proxy_.CutClientMessageContaining("terrovane.push");
    const sync::SyncReport cut = Sync("ann", ThroughProxy("ann"));
    EXPECT_TRUE(proxy_.Struck());
    EXPECT_EQ(cut.error, sync::SyncError::CannotReach) << cut.detail;
    EXPECT_FALSE(cut.inSync);
    EXPECT_EQ(ServerCount("batches"), "0");

    const sync::SyncReport again = Sync("ann", ThroughProxy("ann"));
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    EXPECT_TRUE(again.inSync);
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncFaultTest, AnAnswerLostAfterTheServerCommittedIsAskedForAgainAndNothingIsAppliedTwice) {
    Record("ann", "East", 2);
    proxy_.CutServerAnswerContaining("\"status\": \"applied\"");
    const sync::SyncReport cut = Sync("ann", ThroughProxy("ann"));
    EXPECT_TRUE(proxy_.Struck());
    EXPECT_EQ(cut.error, sync::SyncError::CannotReach) << cut.detail;
    // The server applied the batch; the archive still holds it, unanswered.
    EXPECT_EQ(ServerCount("batches"), "1");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_batches"), "[[1]]");
    const std::string audited = ServerCount("audit");

    const sync::SyncReport again = Sync("ann", ThroughProxy("ann"));
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    EXPECT_TRUE(again.inSync);
    EXPECT_EQ(ServerCount("batches"), "1");
    EXPECT_EQ(ServerCount("audit"), audited);
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncFaultTest, APullPageCutOffIsFetchedAgainFromTheStoredCursor) {
    Record("bob", "West", 3);
    ASSERT_TRUE(Sync("bob").inSync);
    Record("ann", "East", 4);
    proxy_.CutServerAnswerContaining("changed_by");
    const sync::SyncReport cut = Sync("ann", ThroughProxy("ann"));
    EXPECT_TRUE(proxy_.Struck());
    EXPECT_EQ(cut.error, sync::SyncError::CannotReach) << cut.detail;
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_state WHERE key = 'cursor' AND value <> '0'"), "[[0]]");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[1]]");

    const sync::SyncReport again = Sync("ann", ThroughProxy("ann"));
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[2]]");
}

}  // namespace
}  // namespace terrovane::testing

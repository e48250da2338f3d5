// A sync stopped on request stops between batches and pull pages, never inside one: what either side
// answered is kept, and the next sync goes on from there to the same end as one never stopped.
#include <atomic>
#include <thread>

#include "SyncFixture.h"
#include "TableLock.h"

namespace terrovane::testing {
namespace {

class SyncCancelTest : public SyncTest {
  protected:
    // Runs the member's sync on a thread while the table is locked, cancels it once the sync waits for
    // the table, then lets the server go on.
    sync::SyncReport SyncCancelledWhileWaitingFor(const std::string& who, const std::string& table,
                                                  const std::string& mode, int batchSize, int pageSize) {
        Archive(who);
        sync::SyncOptions options;
        options.connection.conninfo = db_.TcpConninfo(db_.Login(who), "pw-" + who);
        options.connection.connectTimeout = std::chrono::seconds(5);
        options.batchSize = batchSize;
        options.pageSize = pageSize;
        const auto cancel = std::make_shared<std::atomic<bool>>(false);
        options.cancel = cancel;
        TableLock lock(db_, table, mode);
        EXPECT_TRUE(lock.Held());
        sync::SyncReport report;
        std::thread run([&] { report = sync::Synchronize(ArchivePath(who), options); });
        EXPECT_TRUE(lock.WaitForWaiter());
        cancel->store(true);
        lock.Release();
        run.join();
        return report;
    }

    std::string ServerReadOuts() const {
        return owner_->Query("SELECT count(*) FROM terrovane.content WHERE kind = 'readout'").Scalar();
    }
};

TEST_F(SyncCancelTest, ACancelKeepsTheBatchOrPageUnderWayAndTheNextSyncGoesOn) {
    for (int seed = 0; seed < 12; ++seed) {
        StoreReadOut("ann", 200 + seed);
    }
    // Cancelled while the server writes ann's first batch of five: that batch is taken and acknowledged.
    const sync::SyncReport pushing =
        SyncCancelledWhileWaitingFor("ann", "terrovane.content", "SHARE", 5, 1000);
    EXPECT_EQ(pushing.error, sync::SyncError::Cancelled) << pushing.detail;
    EXPECT_STREQ(sync::SyncErrorName(pushing.error), "cancelled");
    EXPECT_FALSE(pushing.inSync);
    EXPECT_EQ(ServerReadOuts(), "5");
    EXPECT_EQ(pushing.pushed, 5);
    EXPECT_EQ(pushing.unsent, 7);
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_outbox"), "[[7]]");

    ASSERT_EQ(Sync("ann").error, sync::SyncError::None);
    EXPECT_EQ(ServerReadOuts(), "12");

    // bob's first pull cancelled while the server reads its first page of four: that page is stored, with
    // its cursor, and the rest waits.
    const sync::SyncReport pulling =
        SyncCancelledWhileWaitingFor("bob", "terrovane.changes", "ACCESS EXCLUSIVE", 500, 4);
    EXPECT_EQ(pulling.error, sync::SyncError::Cancelled) << pulling.detail;
    EXPECT_EQ(pulling.pulled, 4);
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM readouts"), "[[4]]");
    EXPECT_NE(Query("bob", "SELECT value FROM sync_state WHERE key = 'cursor' AND value <> '0'"), "[]");

    const sync::SyncReport rest = Sync("bob");
    EXPECT_EQ(rest.error, sync::SyncError::None) << rest.detail;
    EXPECT_EQ(rest.pulled, 8);
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
}

}  // namespace
}  // namespace terrovane::testing

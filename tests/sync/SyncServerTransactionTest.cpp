// The client against what other transactions on the server do to it: a push refused with a
// serialization failure is made again, and changes of a transaction that commits late are never skipped.
#include <chrono>
#include <future>
#include <thread>

#include "Batch.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

using namespace std::chrono_literals;

class SyncServerTransactionTest : public SyncTest {
  protected:
    std::string Device(const std::string& who) {
        const std::string rows = Query(who, "SELECT device FROM archive_clock");
        return rows.substr(3, rows.size() - 6);  // [["..."]]
    }

    std::string SiteNames(const std::string& who) {
        return Query(who, "SELECT group_concat(name, ',') FROM (SELECT name FROM sites ORDER BY name)");
    }

    sync::SyncReport SyncWithin(const std::string& who, std::chrono::milliseconds settle) {
        sync::SyncOptions options;
        options.connection.conninfo = db_.TcpConninfo(db_.Login(who), "pw-" + who);
        options.connection.connectTimeout = 5s;
        options.settle = settle;
        return sync::Synchronize(ArchivePath(who), options);
    }

    std::string ServerCount(const std::string& sql) { return owner_->Query(sql).Scalar(); }

    // The server answers the next `count` batches with a serialization failure, as a busy server does when
    // two transactions touch the same rows. A sequence counts the attempts: it is not undone with them.
    void FailNextPushes(int count) {
        for (const std::string& statement :
             {std::string("CREATE SEQUENCE public.push_attempts"),
              "CREATE FUNCTION public.fail_push() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER AS $$"
              "BEGIN IF nextval('public.push_attempts') <= " +
                  std::to_string(count) +
                  " THEN RAISE EXCEPTION 'could not serialize access' USING ERRCODE = "
                  "'serialization_failure';"
                  " END IF; RETURN NEW; END $$",
              std::string("CREATE TRIGGER fail_push BEFORE INSERT ON terrovane.batches FOR EACH ROW "
                          "EXECUTE FUNCTION public.fail_push()")}) {
            const pg::QueryResult made = owner_->Query(statement);
            ASSERT_TRUE(made.Ok()) << made.Explained();
        }
    }

    std::string PushAttempts() { return ServerCount("SELECT last_value FROM public.push_attempts"); }
};

TEST_F(SyncServerTransactionTest, APushRefusedWithASerializationFailureIsMadeAgainAndAppliedOnce) {
    AddSite("ann", "North");
    StoreReadOut("ann", 5);
    FailNextPushes(2);

    const sync::SyncReport report = Sync("ann");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    EXPECT_EQ(PushAttempts(), "3");
    EXPECT_EQ(ServerCount("SELECT count(*) FROM terrovane.batches"), "1");
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncServerTransactionTest, ASyncThatGaveUpRetryingKeepsItsChangesForTheNextSync) {
    AddSite("ann", "North");
    StoreReadOut("ann", 6);
    FailNextPushes(5);  // every attempt of one sync

    const sync::SyncReport failed = Sync("ann");
    EXPECT_EQ(failed.error, sync::SyncError::ServerFailed);
    EXPECT_NE(failed.detail.find("serialize"), std::string::npos) << failed.detail;
    EXPECT_FALSE(failed.inSync);
    EXPECT_GT(failed.unsent, 0);
    EXPECT_EQ(ServerCount("SELECT count(*) FROM terrovane.batches"), "0");

    const sync::SyncReport next = Sync("ann");
    ASSERT_EQ(next.error, sync::SyncError::None) << next.detail;
    EXPECT_TRUE(next.inSync);
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
}

// Bob's batch is applied in a transaction that stays open. Writers of the change log take turns, so Ann's
// later push waits for Bob's to commit and the log stays in commit order; a sync that only pulls goes on at
// once (Bob's change comes with a later one, never skipped), and so does every sync while a transaction
// of another database on the same server stays open.
TEST_F(SyncServerTransactionTest, AChangeWhoseTransactionCommitsLateIsNeverSkippedAndNeverWaitedFor) {
    AddSite("ann", "First");
    ASSERT_TRUE(Sync("ann").inSync);
    ASSERT_TRUE(Sync("bob").inSync);
    ASSERT_TRUE(Sync("cy").inSync);

    AddSite("bob", "Late");
    std::optional<sync::Batch> batch;
    const archive::Status built =
        Archive("bob").Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
            batch = sync::NextBatch(db, 500);
            return archive::Done{};
        });
    ASSERT_TRUE(built.Ok() && batch.has_value());
    const std::unique_ptr<pg::Connection> held = SignIn("bob");
    ASSERT_TRUE(held->Query("BEGIN").Ok());
    const pg::QueryResult pushed = Push(*held, Device("bob"), batch->number, batch->sent);
    ASSERT_TRUE(pushed.Ok()) << pushed.Explained();
    // Another application's transaction on the same server, which has written something.
    const std::unique_ptr<pg::Connection> elsewhere =
        MustOpen("host=" + RunningServer().socketFolder + " port=" + std::to_string(RunningServer().port) +
                 " dbname=postgres user=postgres");
    ASSERT_TRUE(elsewhere->Query("BEGIN").Ok());
    ASSERT_TRUE(elsewhere->Query("SELECT pg_current_xact_id()").Ok());

    AddSite("ann", "Prompt");
    std::future<sync::SyncReport> ann =
        std::async(std::launch::async, [&] { return SyncWithin("ann", 30s); });
    const sync::SyncReport prompt = SyncWithin("cy", 300ms);
    EXPECT_EQ(prompt.error, sync::SyncError::None) << prompt.detail;
    EXPECT_TRUE(prompt.inSync);
    EXPECT_EQ(SiteNames("cy"), R"([["First"]])");
    EXPECT_EQ(ann.wait_for(0s), std::future_status::timeout) << "Ann's push did not wait for Bob's";

    ASSERT_TRUE(held->Query("COMMIT").Ok());
    const sync::SyncReport annReport = ann.get();
    ASSERT_EQ(annReport.error, sync::SyncError::None) << annReport.detail;
    EXPECT_EQ(SiteNames("ann"), R"([["First,Late,Prompt"]])");
    const sync::SyncReport cy = Sync("cy");
    ASSERT_EQ(cy.error, sync::SyncError::None) << cy.detail;
    EXPECT_EQ(SiteNames("cy"), R"([["First,Late,Prompt"]])");
    ASSERT_TRUE(elsewhere->Query("ROLLBACK").Ok());

    // Bob never heard the answer to his batch: he sends it again and gets the one already given.
    SyncAll({"bob", "ann", "cy"});
    ExpectConverged({"ann", "bob", "cy"});
    EXPECT_EQ(ServerCount("SELECT count(*) FROM terrovane.fields WHERE value = '\"Late\"'"), "1");
}

}  // namespace
}  // namespace terrovane::testing

// A team server dumped and restored (pg_dump, a new database of the same name, pg_restore): the archives go
// on where they were, nothing skipped and nothing sent twice.
#include "ShellCommand.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncRestoreTest : public SyncTest {
  protected:
    std::string Superuser(const std::string& program) const {
        const TestServer& server = RunningServer();
        return ShellQuoted(server.bindir + "/" + program) + " -h " + ShellQuoted(server.socketFolder) +
               " -p " + std::to_string(server.port) + " -U postgres";
    }
};

TEST_F(SyncRestoreTest, ArchivesGoOnAfterTheServerIsDumpedAndRestored) {
    AddSite("ann", "North");
    ASSERT_TRUE(Sync("ann").inSync);
    ASSERT_TRUE(Sync("bob").inSync);

    const std::string dump = ArchivePath("server") + ".dump";
    CommandOutput out =
        RunCommand(Superuser("pg_dump") + " -Fc -f " + ShellQuoted(dump) + " " + db_.Name() + " 2>&1");
    ASSERT_EQ(out.status, 0) << out.text;
    owner_.reset();
    out = RunCommand(Superuser("psql") + " -X -q -d postgres -c " +
                     ShellQuoted("DROP DATABASE " + db_.Name() + " WITH (FORCE)") + " -c " +
                     ShellQuoted("CREATE DATABASE " + db_.Name() + " OWNER " + kOwner) + " 2>&1");
    ASSERT_EQ(out.status, 0) << out.text;
    out = RunCommand(Superuser("pg_restore") + " -d " + db_.Name() + " " + ShellQuoted(dump) + " 2>&1");
    ASSERT_EQ(out.status, 0) << out.text;
    owner_ = db_.Owner();

    AddSite("ann", "South");
    const sync::SyncReport ann = Sync("ann");
    ASSERT_EQ(ann.error, sync::SyncError::None) << ann.detail;
    EXPECT_TRUE(ann.inSync);
    const sync::SyncReport bob = Sync("bob");
    ASSERT_EQ(bob.error, sync::SyncError::None) << bob.detail;
    EXPECT_EQ(bob.pulled, ann.pushed);  // South's fields, no more and no fewer
    EXPECT_EQ(Query("bob", "SELECT group_concat(name, ',') FROM (SELECT name FROM sites ORDER BY name)"),
              R"([["North,South"]])");
    EXPECT_EQ(
        owner_->Query("SELECT string_agg(batch::text, ',' ORDER BY batch) FROM terrovane.batches").Scalar(),
        "1,2");
    ExpectConverged({"ann", "bob"});
}

}  // namespace
}  // namespace terrovane::testing

// Units of work: a read sees one snapshot and never waits for a writer; a file whose layout changed under
// the program is refused rather than migrated by a read; nested units join the outer one.
#include <sqlite3.h>

#include <chrono>

#include "ArchiveFixtures.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

class UnitOfWorkTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 3)).stored);
        ASSERT_EQ(other.Open(Path(), false), SQLITE_OK);
    }
    std::int64_t Count(Database& db) {
        Statement query;
        EXPECT_EQ(query.Prepare(db, "SELECT count(*) FROM readouts"), SQLITE_OK);
        EXPECT_EQ(query.Step(), SQLITE_ROW);
        return query.Int(0);
    }
    std::unique_ptr<Archive> archive;
    Database other;  // another writer on the same file
    std::string error;
};

TEST_F(UnitOfWorkTest, AReadDuringALongWriteReturnsAtOnceWithWhatWasCommitted) {
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE; DELETE FROM readout_slots;"), SQLITE_OK);
    // The writer holds its lock until after the read: a read that needed the lock could only fail once its
    // busy wait ran out, so one that returns the committed rows never waited for it.
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {}, -1, 0, rows, error)) << error;
    EXPECT_EQ(rows.size(), 3u);
    EXPECT_EQ(other.Exec("ROLLBACK"), SQLITE_OK);
}

TEST_F(UnitOfWorkTest, OneReadSeesOneSnapshotAndAWriteInsideItIsRefused) {
    std::int64_t before = 0;
    std::int64_t after = 0;
    const Status read = archive->Run(Archive::Access::Read, [&](Database& db) -> Status {
        before = Count(db);
        EXPECT_EQ(other.Exec("INSERT INTO readouts(read_at, port, image) SELECT read_at, port, image FROM "
                             "readouts LIMIT 1"),
                  SQLITE_OK);
        after = Count(db);
        return archive->Run(Archive::Access::Write, [](Database&) -> Status { return Done{}; });
    });
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.Error().code, ErrorCode::Refused);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM readouts"), "[[2]]");
}

TEST_F(UnitOfWorkTest, AFailedWriteLeavesNothingAndSaysWhatFailed) {
    std::int64_t id = 0;
    SiteFields site;
    site.name = "Line 4";
    ASSERT_TRUE(AddSite(*archive, site, id, error)) << error;
    const Status write = archive->Run(Archive::Access::Write, [&](Database& db) -> Status {
        EXPECT_EQ(db.Exec("DELETE FROM readout_slots"), SQLITE_OK);
        std::string failure;
        if (!AddSite(*archive, site, id, failure)) {  // the name is taken
            Failure refused;
            refused.arguments = {failure};
            return refused;
        }
        return Done{};
    });
    ASSERT_FALSE(write);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM readout_slots"), "[[3]]");
    ASSERT_TRUE(archive->LatestFailure());
    // Locked past the wait: the failure says so by its code.
    ASSERT_EQ(other.Exec("PRAGMA busy_timeout = 0; BEGIN IMMEDIATE"), SQLITE_OK);
    sqlite3_busy_timeout(other.Handle(), 0);
    Database impatient;
    ASSERT_EQ(impatient.Open(Path(), false), SQLITE_OK);
    sqlite3_busy_timeout(impatient.Handle(), 0);
    EXPECT_EQ(impatient.Exec("BEGIN IMMEDIATE") & 0xFF, SQLITE_BUSY);
    EXPECT_EQ(FailureOf(impatient.ExtendedErrorCode(), impatient.Error()).code, ErrorCode::Locked);
    EXPECT_EQ(other.Exec("ROLLBACK"), SQLITE_OK);
}

TEST_F(UnitOfWorkTest, AReadNeverMigratesAFileWhoseLayoutChangedUnderIt) {
    ASSERT_EQ(other.Exec("PRAGMA user_version = 4"), SQLITE_OK);
    std::vector<ResultRow> rows;
    EXPECT_FALSE(archive->Results({}, {}, -1, 0, rows, error));
    EXPECT_NE(error.find("layout 4"), std::string::npos) << error;
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[4]]");
}

}  // namespace
}  // namespace terrovane::archive::testing

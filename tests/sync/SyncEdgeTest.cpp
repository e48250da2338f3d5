// The edges of the protocol against the real server: an answer lost on the way, a gap in the batch numbers,
// a page received twice, layouts apart, a viewer's changes, a member removed, a clock days ahead.
#include <filesystem>

#include "Batch.h"
#include "LocalSql.h"
#include "Pull.h"
#include "Sites.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

// Runs statements on the member's archive as one unit of work.
void OnArchive(archive::Archive& archive, const std::string& sql) {
    const archive::Status done = archive.Run(archive::Archive::Access::Write, [&](archive::Database& db) {
        const int rc = db.Exec(sql.c_str());
        return rc == 0 ? archive::Status(archive::Done{})
                       : archive::Status(archive::FailureOf(rc, db.Error()));
    });
    ASSERT_TRUE(done.Ok()) << done.Error().Text();
}

class SyncEdgeTest : public SyncTest {
  protected:
    std::string Device(const std::string& who) {
        const std::string rows = Query(who, "SELECT device FROM archive_clock");
        return rows.substr(3, rows.size() - 6);  // [["..."]]
    }
    std::string ServerCount(const std::string& table) {
        return owner_->Query("SELECT count(*) FROM terrovane." + table).Scalar();
    }
};

TEST_F(SyncEdgeTest, ABatchWhoseAnswerWasLostIsSentAgainAndAppliedOnce) {
    AddSite("ann", "East");
    StoreReadOut("ann", 3);
    ASSERT_TRUE(Sync("ann").inSync);  // the server is known from now on
    AddSite("ann", "West");
    std::optional<sync::Batch> batch;
    const archive::Status built =
        Archive("ann").Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
            batch = sync::NextBatch(db, 500);
            return archive::Done{};
        });
    ASSERT_TRUE(built.Ok() && batch.has_value());
    // The server applies it, but its answer never arrives.
    const pg::QueryResult applied = Push(*SignIn("ann"), Device("ann"), batch->number, batch->sent);
    ASSERT_TRUE(applied.Ok()) << applied.Explained();
    const std::string audited = ServerCount("audit");

    const sync::SyncReport report = Sync("ann");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    EXPECT_EQ(ServerCount("audit"), audited);
    EXPECT_EQ(ServerCount("batches"), "2");
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncEdgeTest, ABatchAfterAGapIsRenumberedToTheOneTheServerExpects) {
    AddSite("ann", "East");
    ASSERT_TRUE(Sync("ann").inSync);
    AddSite("ann", "West");
    OnArchive(Archive("ann"), "UPDATE sync_state SET value = '7' WHERE key = 'next_batch'");
    const sync::SyncReport report = Sync("ann");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_TRUE(report.inSync);
    EXPECT_EQ(
        owner_->Query("SELECT string_agg(batch::text, ',' ORDER BY batch) FROM terrovane.batches").Scalar(),
        "1,2");
}

TEST_F(SyncEdgeTest, APageReceivedTwiceChangesNothing) {
    const std::int64_t site = AddSite("ann", "Hill");
    AddPoint("ann", site, "Rod 1");
    StoreReadOut("ann", 4);
    SyncAll({"ann", "bob"});
    const std::string before = Shared("bob");
    OnArchive(Archive("bob"), "UPDATE sync_state SET value = '0' WHERE key = 'cursor'");
    const sync::SyncReport again = Sync("bob");
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    EXPECT_TRUE(again.inSync);
    EXPECT_EQ(again.pushed, 0);
    EXPECT_EQ(Shared("bob"), before);
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM sync_conflicts"), "[[0]]");
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncEdgeTest, LayoutsApartAreRefusedNamingTheSideToUpdateAndTouchNothing) {
    AddSite("ann", "East");
    Archive("ann");
    const auto written = [&] {
        std::string stamps;
        for (const char* suffix : {"", "-wal"}) {
            const std::filesystem::path file = ArchivePath("ann") + suffix;
            stamps +=
                std::filesystem::exists(file)
                    ? std::to_string(std::filesystem::file_size(file)) + ":" +
                          std::to_string(std::filesystem::last_write_time(file).time_since_epoch().count())
                    : "-";
        }
        return stamps;
    };
    const std::string before = written();
    const auto setLayout = [&](int layout) {
        return owner_->Query("UPDATE terrovane.meta SET value = $1 WHERE key = 'layout'",
                             {std::to_string(layout)});
    };
    ASSERT_TRUE(setLayout(team::kServerLayout + 1).Ok());
    EXPECT_EQ(Sync("ann").error, sync::SyncError::UpdateProgram);
    ASSERT_TRUE(setLayout(team::kServerLayout - 1).Ok());
    EXPECT_EQ(Sync("ann").error, sync::SyncError::UpdateServer);
    EXPECT_EQ(written(), before);
    EXPECT_EQ(ServerCount("fields"), "0");
}

TEST_F(SyncEdgeTest, AViewersChangesAreRefusedAndListedWhileItStillReceives) {
    AddSite("ann", "East");
    ASSERT_TRUE(Sync("ann").inSync);
    Member("vic", team::MemberRole::Viewer, {"East"});
    AddSite("vic", "Vic's own");
    const sync::SyncReport report = Sync("vic");
    EXPECT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_GT(report.rejected, 0);
    EXPECT_FALSE(report.inSync);
    EXPECT_EQ(Query("vic", "SELECT DISTINCT sqlstate FROM sync_rejected"), R"([["42501"]])");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.fields WHERE value = '\"Vic''s own\"'").Scalar(),
              "0");
    EXPECT_NE(Shared("vic").find("\"East\""), std::string::npos);
}

TEST_F(SyncEdgeTest, AMemberRemovedCanNoLongerSyncAndKeepsWhatItHas) {
    AddSite("ann", "East");
    ASSERT_TRUE(Sync("ann").inSync);
    ASSERT_TRUE(team::RemoveMember(*owner_, db_.Login("ann")).Ok());
    AddSite("ann", "West");
    const sync::SyncReport report = Sync("ann");
    EXPECT_EQ(report.error, sync::SyncError::NotMember) << report.detail;
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_outbox"), "[[1]]");
}

TEST_F(SyncEdgeTest, AStampDaysAheadIsClampedSoALaterEditElsewhereStillWins) {
    AddSite("ann", "East");
    SyncAll({"ann", "bob"});
    OnArchive(Archive("ann"), "UPDATE archive_clock SET millis = millis + 3 * 86400000");
    std::string error;
    std::optional<archive::SiteRow> east = archive::FindSite(Archive("ann"), "East", error);
    ASSERT_TRUE(east.has_value());
    east->fields.address = "From the future";
    ASSERT_TRUE(archive::UpdateSite(Archive("ann"), east->id, east->fields, error)) << error;
    const sync::SyncReport ahead = Sync("ann");
    ASSERT_EQ(ahead.error, sync::SyncError::None) << ahead.detail;
    EXPECT_EQ(ahead.clamped, 1);

    PassMillis(5);
    SyncAll({"bob"});
    east = archive::FindSite(Archive("bob"), "East", error);
    ASSERT_TRUE(east.has_value());
    east->fields.address = "From today";
    ASSERT_TRUE(archive::UpdateSite(Archive("bob"), east->id, east->fields, error)) << error;
    SyncAll({"bob", "ann"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("ann", "SELECT address FROM sites"), R"([["From today"]])");
}

TEST_F(SyncEdgeTest, TextsAndNumbersArriveExactlyAsTheyWere) {
    archive::SiteFields fields;
    fields.name = "Nord \"Ost\" \\ 北站\tB";
    fields.address = "Line 1\nLine 2";
    fields.latitude = 48.137154;
    fields.longitude = -11.576124;
    fields.limit = archive::Limit{7.5, "client's \"spec\""};
    fields.intervalMonths = 12;
    std::int64_t id = 0;
    std::string error;
    ASSERT_TRUE(archive::AddSite(Archive("ann"), fields, id, error)) << error;
    archive::PointFields point;
    point.name = "Ränd 1";
    point.limit = archive::Limit{0.1, "custom value"};
    std::int64_t pointId = 0;
    ASSERT_TRUE(archive::AddPoint(Archive("ann"), id, point, pointId, error)) << error;
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    const std::optional<archive::SiteRow> arrived = archive::FindSite(Archive("bob"), fields.name, error);
    ASSERT_TRUE(arrived.has_value()) << error;
    EXPECT_EQ(arrived->fields.address, fields.address);
    EXPECT_EQ(arrived->fields.latitude, fields.latitude);
    EXPECT_EQ(arrived->fields.longitude, fields.longitude);
    ASSERT_TRUE(arrived->fields.limit.has_value());
    EXPECT_EQ(arrived->fields.limit->ohms, 7.5);
    EXPECT_EQ(arrived->fields.limit->source, "client's \"spec\"");
    EXPECT_EQ(arrived->fields.intervalMonths, 12);
    const std::optional<archive::PointRow> rand =
        archive::FindPoint(Archive("bob"), fields.name, "Ränd 1", error);
    ASSERT_TRUE(rand.has_value()) << error;
    ASSERT_TRUE(rand->fields.limit.has_value());
    EXPECT_EQ(rand->fields.limit->ohms, 0.1);
}

TEST_F(SyncEdgeTest, ADeleteNotSentYetIsNotUndoneByAChangeFromElsewhere) {
    const std::int64_t site = AddSite("ann", "East");
    SyncAll({"ann"});
    const std::string rows = Query("ann", "SELECT uuid FROM sites");
    const std::string uuid = rows.substr(3, rows.size() - 6);
    std::string error;
    ASSERT_TRUE(archive::DeleteSite(Archive("ann"), site, error)) << error;
    // A rename made elsewhere arrives while the delete still waits to be sent.
    const sync::PulledChange renamed{"1",      "field", "site",          uuid,
                                     "name",   uuid,    "\"East yard\"", Stamp(NowMillis(), 0, kDeviceB),
                                     "someone"};
    const archive::Status applied =
        Archive("ann").Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
            sync::ApplyPage(Archive("ann"), db, {renamed});
            return archive::Done{};
        });
    ASSERT_TRUE(applied.Ok());
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sites"), "[[0]]");
    const sync::SyncReport report = Sync("ann");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_EQ(owner_->Query("SELECT value::text FROM terrovane.fields WHERE field = 'deleted'").Scalar(),
              "1");
}

// Clearing the mark that keeps pulled changes out of the outbox is checked: a clear the archive refuses
// ends the sync as the archive's failure and keeps nothing of the page, rather than leaving every later
// edit on this PC unsent.
TEST_F(SyncEdgeTest, AMarkThatCannotBeClearedEndsTheSyncAndKeepsNothingOfThePage) {
    StoreReadOut("ann", 11, 0, 2);
    ASSERT_EQ(Sync("ann").error, sync::SyncError::None);
    ASSERT_EQ(Sync("bob").error, sync::SyncError::None);
    StoreReadOut("ann", 12, 0, 2);
    ASSERT_EQ(Sync("ann").error, sync::SyncError::None);
    OnArchive(Archive("bob"),
              "CREATE TRIGGER keep_mark BEFORE DELETE ON sync_applying BEGIN SELECT RAISE(ABORT, 'mark "
              "kept'); END");

    const sync::SyncReport refused = Sync("bob");
    EXPECT_EQ(refused.error, sync::SyncError::ArchiveFailed);
    EXPECT_NE(refused.detail.find("mark kept"), std::string::npos) << refused.detail;
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM readouts"), "[[1]]");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM sync_applying"), "[[0]]");

    OnArchive(Archive("bob"), "DROP TRIGGER keep_mark");
    ASSERT_EQ(Sync("bob").error, sync::SyncError::None);
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM readouts"), "[[2]]");
    AddSite("bob", "Edited after");
    ASSERT_EQ(Sync("bob").error, sync::SyncError::None);
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM sync_outbox"), "[[0]]");
    ASSERT_EQ(Sync("ann").error, sync::SyncError::None);
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sites WHERE name = 'Edited after'"), "[[1]]");
}

}  // namespace
}  // namespace terrovane::testing

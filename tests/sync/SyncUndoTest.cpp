// A deletion undone with the team, as the batches for the server carry it: the site and its point come
// back as a change later than their deletion (which the server, keeping the later stamp, takes), and a
// stored analysis, whose deletion is never taken back, as a new one beside the former's deletion.
#include <regex>

#include "ArchiveFixtures.h"
#include "Batch.h"
#include "DeletionSnapshot.h"
#include "LocalSql.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::sync {
namespace {

class SyncUndoTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Depot";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod 1";
        std::int64_t pointId = 0;
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId, error_)) << error_;
        archive::StoredSoilModel model;
        model.site = siteId_;
        model.layerChoice = "1";
        model.rmsPercent = 1.5;
        model.layers = {{60.0, 4.0, std::nullopt, std::nullopt}};
        model.points = {{1, 61}, {2, 60}, {4, 59}};
        ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, model)));
    }

    // Every batch waiting, each answered as the server answers when it takes every change.
    std::string SendAll() {
        std::string sent;
        const archive::Status done =
            archive_->Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
                while (const std::optional<Batch> batch = NextBatch(db, 1000)) {
                    sent += batch->changes;
                    const std::optional<std::string> answer =
                        Single(db,
                               "SELECT json_object('status', 'applied', 'batch', ?1, 'changes', (SELECT "
                               "json_group_array(json_object('index', key, 'outcome', 'applied')) FROM "
                               "json_each(?2)))",
                               {batch->number, batch->changes});
                    EXPECT_EQ(Acknowledge(db, *batch, answer.value_or("")).status,
                              BatchAnswer::Status::Applied);
                }
                return archive::Done{};
            });
        EXPECT_TRUE(done.Ok()) << done.Error().Text();
        return sent;
    }

    // The stamp of the change of `kind`'s field "deleted" to `value` in the batches, empty when none.
    static std::string DeletedStamp(const std::string& sent, const std::string& kind, int value) {
        const std::regex change(R"("kind":")" + kind +
                                R"(","id":"[^"]+","site":[^,]+,"field":"deleted","value":)" +
                                std::to_string(value) + R"x(,"stamp":"([^"]+)")x");
        std::smatch found;
        return std::regex_search(sent, found, change) ? found[1].str() : std::string();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::string error_;
};

TEST_F(SyncUndoTest, TheRestoredSiteWinsOverItsDeletionAndTheAnalysisComesAsANewOne) {
    SendAll();
    const archive::Result<archive::DeletionSnapshot> deleted =
        archive::DeleteSiteKeepingSnapshot(*archive_, siteId_);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    const std::string deletion = SendAll();
    const std::string siteDeleted = DeletedStamp(deletion, "site", 1);
    ASSERT_FALSE(siteDeleted.empty()) << deletion;
    ASSERT_FALSE(DeletedStamp(deletion, "point", 1).empty()) << deletion;
    ASSERT_FALSE(DeletedStamp(deletion, "soil_model", 1).empty()) << deletion;

    ASSERT_TRUE(archive::RestoreDeletion(*archive_, deleted.Value()));
    const std::string restore = SendAll();
    EXPECT_GT(DeletedStamp(restore, "site", 0), siteDeleted) << restore;
    EXPECT_GT(DeletedStamp(restore, "point", 0), siteDeleted) << restore;
    // Nothing of the former analysis is taken back; the restored one is new content.
    EXPECT_TRUE(DeletedStamp(restore, "soil_model", 0).empty()) << restore;
    EXPECT_NE(restore.find(R"("type":"content","kind":"analysis")"), std::string::npos) << restore;
    EXPECT_EQ(SendAll(), "");
}

}  // namespace
}  // namespace terrovane::sync

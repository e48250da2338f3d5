// A site deleted on one PC, synced, and put back with Ctrl+Z: through the real server the other PC loses
// it and gets it back with its point, its visit and its stored analysis (as a new one). (A site whose
// results another PC holds assigned is kept there for them and comes back to all by the sync itself.)
#include "DeletionSnapshot.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"
#include "SyncFixture.h"
#include "Visits.h"

namespace terrovane::testing {
namespace {

TEST_F(SyncTest, ASiteDeletedAndPutBackReachesTheOthersWithItsPointResultAndAnalysis) {
    const std::int64_t site = AddSite("ann", "Hill");
    AddPoint("ann", site, "Rod 1");
    archive::Visit visit;
    visit.site = site;
    visit.date = "2024-05-17";
    visit.by = "Ana";
    ASSERT_TRUE(archive::AddVisit(Archive("ann"), visit));
    std::string error;
    archive::StoredSoilModel model;
    model.site = site;
    model.layerChoice = "1";
    model.rmsPercent = 1.5;
    model.layers = {{60.0, 4.0, std::nullopt, std::nullopt}};
    model.points = {{1, 61}, {2, 60}, {4, 59}};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(Archive("ann"), model)));
    SyncAll({"ann", "bob"});
    ASSERT_EQ(Query("bob", "SELECT count(*) FROM soil_models"), "[[1]]");

    const archive::Result<archive::DeletionSnapshot> deleted =
        archive::DeleteSiteKeepingSnapshot(Archive("ann"), site);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    SyncAll({"ann", "bob"});
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM sites"), "[[0]]");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM soil_models"), "[[0]]");

    const archive::Result<std::int64_t> restored = archive::RestoreDeletion(Archive("ann"), deleted.Value());
    ASSERT_TRUE(restored) << restored.Error().Text();
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Query("bob",
                    "SELECT s.name, p.name, v.visited_by FROM sites s JOIN points p ON p.site_id = s.id "
                    "JOIN visits v ON v.site_id = s.id"),
              R"([["Hill", "Rod 1", "Ana"]])");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM soil_models"), "[[1]]");
    EXPECT_EQ(Query("bob", "SELECT uuid FROM soil_models"), Query("ann", "SELECT uuid FROM soil_models"));
    for (const char* who : {"ann", "bob"}) {
        EXPECT_EQ(Query(who, "SELECT count(*) FROM sync_conflicts"), "[[0]]") << who;
    }
}

}  // namespace
}  // namespace terrovane::testing

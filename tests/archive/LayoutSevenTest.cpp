// Layout 7: stored analyses go to the team too. A file of layout 6 brought up to it lists the analyses it
// held as not yet sent and gives its grid assessments ids; from then on an analysis saved is listed by its
// row and one deleted by its id, and what the sync itself writes is not listed.
#include "ArchiveFixtures.h"
#include "FopCurves.h"
#include "GridAssessments.h"
#include "ResultCheck.h"
#include "Schema.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::archive::testing {
namespace {

class LayoutSevenTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Line 4";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
    }

    // One analysis of each kind; returns the soil model's id.
    std::int64_t SaveAnalyses() {
        StoredSoilModel model;
        model.site = siteId;
        model.layerChoice = "1";
        model.layers = {{60.0, 4.0, std::nullopt, std::nullopt}};
        model.logCovariance = {0.25};
        EXPECT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
        StoredFopCurve curve{0, pointId, "", 50, {{10, 2.0, {}}, {31, 2.5, {}}}, {}};
        EXPECT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive, curve)));
        StoredGridAssessment grid;
        grid.site = siteId;
        grid.shape = grid.rodPlacement = grid.standard = grid.soilMethod = grid.verdict = "x";
        grid.lengthM = grid.widthM = grid.depthM = grid.conductorDiameterM = 1;
        grid.conductorsLengthwise = grid.conductorsWidthwise = 2;
        grid.soilResistivity = grid.durationS = 1;
        EXPECT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive, grid)));
        return model.id;
    }

    std::string Outbox() {
        return ReadArchive(Path(),
                           "SELECT kind FROM sync_outbox WHERE kind NOT IN ('site', 'point') ORDER BY kind");
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    std::string error;
};

// What a program of layout 6 left: no table of the analyses' sync, no triggers listing them, grid
// assessments without ids or stamps, and nothing listed yet.
constexpr const char* kBackToLayoutSix = R"py(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("DROP TABLE sync_analyses")
for table in ("soil_models", "fop_curves", "grid_assessments"):
    for event in ("made", "deleted"):
        db.execute("DROP TRIGGER %s_outbox_%s" % (table, event))
for event in ("made", "changed", "deleted"):
    db.execute("DROP TRIGGER grid_assessments_%s" % event)
db.execute("DROP INDEX grid_assessments_uuid")
db.execute("ALTER TABLE grid_assessments DROP COLUMN uuid")
db.execute("ALTER TABLE grid_assessments DROP COLUMN modified")
db.execute("DELETE FROM sync_outbox")
db.execute("PRAGMA user_version = 6")
db.commit()
)py";

TEST_F(LayoutSevenTest, AnOlderFileListsTheAnalysesItHeldAndGivesGridAssessmentsIds) {
    SaveAnalyses();
    archive.reset();
    RunCommand("/usr/bin/python3 -c " + terrovane::testing::ShellQuoted(kBackToLayoutSix) + " " +
               terrovane::testing::ShellQuoted(Path()));
    ASSERT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[6]]");

    archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + std::to_string(kSchemaVersion) + "]]");
    EXPECT_EQ(Outbox(), R"([["fop_curve"], ["grid_assessment"], ["soil_model"]])");
    EXPECT_EQ(
        ReadArchive(Path(), "SELECT count(*) FROM grid_assessments WHERE uuid IS NULL OR modified IS NULL"),
        "[[0]]");
}

TEST_F(LayoutSevenTest, AnAnalysisSavedOrDeletedIsListedAndTheSyncsOwnWritesAreNot) {
    const std::int64_t model = SaveAnalyses();
    EXPECT_EQ(Outbox(), R"([["fop_curve"], ["grid_assessment"], ["soil_model"]])");
    // The covariance went in with the model, not after it.
    EXPECT_EQ(ReadArchive(Path(), "SELECT log_covariance FROM soil_model_covariance"), R"([["0.25"]])");

    const Status sent = archive->Run(Archive::Access::Write, [](Database& db) -> Status {
        const int rc = db.Exec("DELETE FROM sync_outbox");
        return rc == 0 ? Status(Done{}) : Status(FailureOf(rc, db.Error()));
    });
    ASSERT_TRUE(sent.Ok());
    ASSERT_TRUE(terrovane::testing::Succeeded(DeleteSoilModel(*archive, model)));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT kind, ref = (SELECT uuid FROM tombstones WHERE kind = 'soil_models') "
                          "FROM sync_outbox"),
              R"([["analysis_deleted", 1]])");

    const Status applying = archive->Run(Archive::Access::Write, [](Database& db) -> Status {
        const int rc = db.Exec(
            "DELETE FROM sync_outbox; INSERT INTO sync_applying VALUES (1); DELETE FROM grid_assessments; "
            "DELETE FROM sync_applying;");
        return rc == 0 ? Status(Done{}) : Status(FailureOf(rc, db.Error()));
    });
    ASSERT_TRUE(applying.Ok());
    EXPECT_EQ(Outbox(), "[]");
}

}  // namespace
}  // namespace terrovane::archive::testing

// Stored analyses through the real server: a soil model, a fall-of-potential curve and a grid assessment
// saved on one PC arrive on the others with every value as it was, once however often they sync; a
// deletion on one PC reaches the others and is not undone by the analysis coming again; the rights of the
// analysis's site apply; a body this program cannot keep is listed, not stored half.
#include <cmath>
#include <limits>

#include "FopCurves.h"
#include "GridAssessments.h"
#include "LocalSql.h"
#include "Numbers.h"
#include "ResultCheck.h"
#include "SiteReport.h"
#include "Sites.h"
#include "SoilCovariance.h"
#include "SoilModels.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

archive::StoredSoilModel SoilModel(std::int64_t site) {
    archive::StoredSoilModel model;
    model.site = site;
    model.layerChoice = "auto";
    model.rmsPercent = 0.1 + 0.2;  // digits a rounded text would lose
    model.layers = {{120.0 / 7, std::nan(""), 2.4, 1e-7}, {35.25, kInf, std::nullopt, std::nullopt}};
    model.points = {{1, 118.123456789012}, {2, 110}, {4, 85.5}, {8, 52}};
    model.logCovariance = {1.0 / 3, -2e-5, 0.25, -2e-5, 4.5, 1e-300, 0.25, 1e-300, 2.0 / 3};
    model.leftOut = {"slot 4: over range", "slot 9: Rh too high"};
    return model;
}

archive::StoredGridAssessment GridAssessment(std::int64_t site) {
    archive::StoredGridAssessment a;
    a.site = site;
    a.shape = "l-shaped";
    a.lengthM = 70.3;
    a.widthM = 1.0 / 3;
    a.conductorsLengthwise = a.conductorsWidthwise = 11;
    a.depthM = 0.5;
    a.conductorDiameterM = 0.01;
    a.cutoutLengthM = 28;
    a.rodCount = 20;
    a.rodLengthM = 7.5;
    a.rodPlacement = "perimeter";
    a.surfaceResistivity = 2500;
    a.surfaceThicknessM = 0.102;
    a.faultCurrentA = 3180;
    a.splitFactor = 0.6;
    a.durationS = 0.5;
    a.standingResistance = true;
    a.standard = "en50522";
    a.soilResistivity = 400.0 / 3;
    a.soilMethod = "given";
    a.surfaceFactor = 0.742;
    a.tolerableTouchV = 840.5;
    a.tolerableStepV = 2696.2;
    a.gridResistanceOhm = 2.776;
    a.schwarzResistanceOhm = 2.844;
    a.gridCurrentA = 1908;
    a.gprV = 5296.4;
    a.meshVoltageV = 1001.6;
    a.stepVoltageV = 548.9;
    a.verdict = "unsafe";
    return a;
}

// Every value of the model in the one text each number has, so equal texts are equal values (NaN too).
std::string Text(const archive::StoredSoilModel& model) {
    std::string text = model.savedAt + "|" + model.layerChoice + "|" + numbers::Shortest(model.rmsPercent);
    const auto optional = [](const std::optional<double>& v) { return v ? numbers::Shortest(*v) : "-"; };
    for (const archive::StoredSoilLayer& layer : model.layers) {
        text += "|" + numbers::Shortest(layer.resistivity) + " " + numbers::Shortest(layer.resistivitySigma) +
                " " + optional(layer.thickness) + " " + optional(layer.thicknessSigma);
    }
    for (const archive::StoredSoundingPoint& point : model.points) {
        text += "|" + numbers::Shortest(point.spacing) + " " + numbers::Shortest(point.apparentResistivity);
    }
    for (double value : model.logCovariance) {
        text += " " + numbers::Shortest(value);
    }
    for (const std::string& note : model.leftOut) {
        text += "|" + note;
    }
    return text;
}

class SyncAnalysesTest : public SyncTest {
  protected:
    struct Stored {
        std::int64_t site = 0;
        std::int64_t point = 0;
        std::int64_t result = 0;
        archive::StoredSoilModel soil;
        archive::StoredFopCurve curve;
        archive::StoredGridAssessment grid;
    };

    // A site with a point, a read-out, and one analysis of each kind; the curve's second reading is the
    // read-out's result.
    Stored SaveAnalyses(const std::string& who) {
        Stored stored;
        stored.site = AddSite(who, "Substation 7");
        stored.point = AddPoint(who, stored.site, "Leg A");
        stored.result = StoreReadOut(who, 1, 1);
        std::string error;
        stored.soil = SoilModel(stored.site);
        EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(Archive(who), stored.soil)));
        stored.curve = {0,
                        stored.point,
                        "",
                        50,
                        {{10, 2.5, {}}, {31, 3.75, stored.result}, {40, 4.0 / 3, {}}},
                        {"slot 2: invalid"}};
        EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreFopCurve(Archive(who), stored.curve)));
        stored.grid = GridAssessment(stored.site);
        EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreGridAssessment(Archive(who), stored.grid)));
        return stored;
    }

    std::vector<archive::StoredSoilModel> SoilModelsOf(const std::string& who, const std::string& site) {
        std::string error;
        const std::optional<archive::SiteRow> row = archive::FindSite(Archive(who), site, error);
        EXPECT_TRUE(row.has_value()) << who << ": " << error;
        std::vector<archive::StoredSoilModel> models;
        if (row) {
            EXPECT_TRUE(terrovane::testing::Into(archive::SoilModels(Archive(who), row->id), models));
            for (archive::StoredSoilModel& model : models) {
                EXPECT_TRUE(terrovane::testing::Succeeded(archive::LoadSoilCovariance(Archive(who), model)));
            }
        }
        return models;
    }

    std::vector<archive::StoredFopCurve> CurvesOf(const std::string& who) {
        std::string error;
        const std::optional<archive::PointRow> point =
            archive::FindPoint(Archive(who), "Substation 7", "Leg A", error);
        EXPECT_TRUE(point.has_value()) << who << ": " << error;
        std::vector<archive::StoredFopCurve> curves;
        if (point) {
            EXPECT_TRUE(terrovane::testing::Into(archive::FopCurves(Archive(who), point->id), curves));
        }
        return curves;
    }

    std::string Counts(const std::string& who) {
        return Query(who,
                     "SELECT (SELECT count(*) FROM soil_models), (SELECT count(*) FROM fop_curves), "
                     "(SELECT count(*) FROM grid_assessments)");
    }

    // The grid assessments' every column but the archive's own ids, read by Python (floats in their
    // shortest exact form).
    std::string GridRows(const std::string& who) {
        const std::string columns =
            Query(who,
                  "SELECT group_concat(name) FROM pragma_table_info('grid_assessments') "
                  "WHERE name NOT IN ('id', 'site_id', 'modified')");
        return Query(who, "SELECT " + columns.substr(3, columns.size() - 6) + " FROM grid_assessments");
    }

    std::string ServerAnalyses() {
        return owner_->Query("SELECT count(*) FROM terrovane.content WHERE kind = 'analysis'").Scalar();
    }
};

TEST_F(SyncAnalysesTest, AnalysesSavedOnOnePcArriveWithEveryValueAndStayOne) {
    const Stored stored = SaveAnalyses("ann");
    SyncAll({"ann", "bob"});
    ExpectConverged({"ann", "bob"});
    EXPECT_EQ(Counts("bob"), "[[1, 1, 1]]");
    EXPECT_EQ(ServerAnalyses(), "3");

    const std::vector<archive::StoredSoilModel> there = SoilModelsOf("bob", "Substation 7");
    const std::vector<archive::StoredSoilModel> here = SoilModelsOf("ann", "Substation 7");
    ASSERT_EQ(there.size(), 1u);
    ASSERT_EQ(here.size(), 1u);
    EXPECT_EQ(Text(there[0]), Text(here[0]));
    EXPECT_EQ(there[0].logCovariance.size(), 9u);
    EXPECT_TRUE(std::isinf(there[0].layers[1].resistivitySigma));
    EXPECT_TRUE(std::isnan(there[0].layers[0].resistivitySigma));

    const std::vector<archive::StoredFopCurve> curves = CurvesOf("bob");
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].savedAt, stored.curve.savedAt);
    EXPECT_EQ(curves[0].currentProbe, 50);
    ASSERT_EQ(curves[0].readings.size(), 3u);
    EXPECT_EQ(curves[0].readings[2].resistance, 4.0 / 3);
    EXPECT_FALSE(curves[0].readings[0].result.has_value());
    ASSERT_TRUE(curves[0].readings[1].result.has_value());
    // The reading names the same result on both PCs, whatever its row id here.
    EXPECT_EQ(
        Query("bob", "SELECT hex(content_key) FROM results WHERE id = " +
                         std::to_string(*curves[0].readings[1].result)),
        Query("ann", "SELECT hex(content_key) FROM results WHERE id = " + std::to_string(stored.result)));
    EXPECT_EQ(curves[0].leftOut, std::vector<std::string>{"slot 2: invalid"});

    EXPECT_EQ(GridRows("bob"), GridRows("ann"));
    EXPECT_NE(GridRows("bob").find("0.3333333333333333"), std::string::npos);

    // The site report made on the other PC shows the model, its band and its notes.
    sitereport::SiteReport report;
    std::string error;
    ASSERT_TRUE(sitereport::LoadSiteReport(Archive("bob"), "Substation 7", "", "", {}, report, error))
        << error;
    ASSERT_TRUE(report.analyses.soilModel.has_value());
    EXPECT_EQ(Text(*report.analyses.soilModel), Text(here[0]));
    ASSERT_TRUE(report.analyses.gridAssessment.has_value());
    EXPECT_EQ(report.analyses.gridAssessment->verdict, "unsafe");

    // Synced again, from either side, they stay one.
    const sync::SyncReport again = Sync("ann");
    EXPECT_EQ(again.pushed, 0);
    EXPECT_EQ(again.pulled, 0);
    SyncAll({"bob", "cy", "ann"});
    EXPECT_EQ(Counts("ann"), "[[1, 1, 1]]");
    EXPECT_EQ(Counts("cy"), "[[1, 1, 1]]");
    EXPECT_EQ(ServerAnalyses(), "3");
}

TEST_F(SyncAnalysesTest, ADeletionOnOnePcReachesTheOthersAndIsNotUndone) {
    SaveAnalyses("ann");
    SyncAll({"ann", "bob"});
    const std::vector<archive::StoredSoilModel> models = SoilModelsOf("bob", "Substation 7");
    const std::vector<archive::StoredFopCurve> curves = CurvesOf("bob");
    ASSERT_EQ(models.size(), 1u);
    ASSERT_EQ(curves.size(), 1u);
    std::string error;
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::DeleteSoilModel(Archive("bob"), models[0].id)));
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::DeleteFopCurve(Archive("bob"), curves[0].id)));
    // Saved and deleted before any sync: the team never hears of it.
    archive::StoredSoilModel passing = SoilModel(models[0].site);
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(Archive("bob"), passing)));
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::DeleteSoilModel(Archive("bob"), passing.id)));

    SyncAll({"bob", "ann", "cy"});
    ExpectConverged({"ann", "bob", "cy"});
    EXPECT_EQ(Counts("ann"), "[[0, 0, 1]]");
    EXPECT_EQ(Counts("cy"), "[[0, 0, 1]]");
    EXPECT_EQ(
        owner_
            ->Query(
                "SELECT string_agg(kind, ',' ORDER BY kind) FROM terrovane.fields WHERE field = 'deleted' "
                "AND kind NOT IN ('site', 'point')")
            .Scalar(),
        "fop_curve,soil_model");

    // The whole change log read again from its start brings the content back, and its deletion with it.
    const archive::Status rewound =
        Archive("ann").Run(archive::Archive::Access::Write, [](archive::Database& db) {
            sync::Exec(db, "UPDATE sync_state SET value = '0' WHERE key = 'cursor'");
            return archive::Status(archive::Done{});
        });
    ASSERT_TRUE(rewound.Ok());
    ASSERT_TRUE(Sync("ann").inSync);
    EXPECT_EQ(Counts("ann"), "[[0, 0, 1]]");
}

TEST_F(SyncAnalysesTest, AnAnalysisOnASiteTheInspectorIsNoMemberOfIsRefusedAndListedWhileViewersReceive) {
    AddSite("ann", "North");
    ASSERT_TRUE(Sync("ann").inSync);
    Member("ivy", team::MemberRole::Inspector, {"North"});
    Member("vic", team::MemberRole::Viewer, {"North"});
    ASSERT_TRUE(Sync("ivy").inSync);
    Member("ivy", team::MemberRole::Inspector, {});  // no longer a member of North

    std::string error;
    const std::optional<archive::SiteRow> north = archive::FindSite(Archive("ivy"), "North", error);
    ASSERT_TRUE(north.has_value()) << error;
    archive::StoredSoilModel model = SoilModel(north->id);
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(Archive("ivy"), model)));
    const sync::SyncReport refused = Sync("ivy");
    EXPECT_EQ(refused.error, sync::SyncError::None) << refused.detail;
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_FALSE(refused.inSync);
    EXPECT_EQ(Query("ivy", "SELECT kind, sqlstate FROM sync_rejected"), R"([["analysis", "42501"]])");
    EXPECT_EQ(ServerAnalyses(), "0");

    const std::optional<archive::SiteRow> annsNorth = archive::FindSite(Archive("ann"), "North", error);
    ASSERT_TRUE(annsNorth.has_value()) << error;
    archive::StoredGridAssessment grid = GridAssessment(annsNorth->id);
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreGridAssessment(Archive("ann"), grid)));
    ASSERT_TRUE(Sync("ann").inSync);
    const sync::SyncReport viewer = Sync("vic");
    EXPECT_EQ(viewer.error, sync::SyncError::None) << viewer.detail;
    EXPECT_EQ(Counts("vic"), "[[0, 0, 1]]");
    EXPECT_EQ(GridRows("vic"), GridRows("ann"));
}

TEST_F(SyncAnalysesTest, AnAnalysisThisProgramCannotKeepIsListedAndNothingOfItIsStored) {
    AddSite("ann", "North");
    ASSERT_TRUE(Sync("ann").inSync);
    const std::string site = Query("ann", "SELECT uuid FROM sites");
    const std::string siteUuid = site.substr(3, site.size() - 6);
    // A model whose layers name a column with a value of the wrong type: its row must not stay behind.
    const std::string body =
        R"({"analysis":"soil_model","uuid":"6a1f0c1e-0000-4000-8000-000000000001","site":")" + siteUuid +
        R"(","row":{"saved_at":"2026-12-01T10:00:00Z","layer_choice":"1","rms_percent":"2"},)"
        R"("soil_model_layers":[{"layer":0,"resistivity_ohm_m":"a lot"}]})";
    const std::string device = owner_->Query("SELECT gen_random_uuid()::text").Scalar();
    const pg::QueryResult pushed =
        Push(*SignIn("cy"), device, 1,
             "[" +
                 ContentChange("analysis", owner_->Query("SELECT encode(sha256('forged'), 'hex')").Scalar(),
                               body) +
                 "]");
    ASSERT_TRUE(pushed.Ok()) << pushed.Explained();

    const sync::SyncReport report = Sync("bob");
    EXPECT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_FALSE(report.inSync);
    EXPECT_EQ(Counts("bob"), "[[0, 0, 0]]");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM soil_model_layers"), "[[0]]");
    EXPECT_NE(
        Query("bob", "SELECT reason FROM sync_rejected WHERE kind = 'analysis'").find("resistivity_ohm_m"),
        std::string::npos);
}

}  // namespace
}  // namespace terrovane::testing

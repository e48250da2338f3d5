// Soil models kept with their site and fall-of-potential curves with their point: layout 4 from layout 3,
// round trips through the file (read back by Python's sqlite3 as well), and what deleting a site does.
#include <cmath>
#include <limits>

#include "ArchiveFixtures.h"
#include "FopCurves.h"
#include "Problems.h"
#include "ResultCheck.h"
#include "Schema.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::archive::testing {
namespace {

class AnalysesStoreTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Substation West";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        PointFields point;
        point.name = "E1";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
    }

    static StoredSoilModel TwoLayers(std::int64_t site) {
        StoredSoilModel model;
        model.site = site;
        model.layerChoice = "auto";
        model.rmsPercent = 1.8;
        model.layers = {{120.0, 3.5, 2.4, 0.2},
                        {35.0, std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt}};
        model.points = {{1, 118}, {2, 110}, {4, 85}, {8, 52}, {16, 38}};
        return model;
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    std::string error;
};

TEST_F(AnalysesStoreTest, ASoilModelComesBackAsStoredWithUndeterminedAndUnestimatedSigmas) {
    StoredSoilModel model = TwoLayers(siteId);
    model.layers[0].thicknessSigma = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
    EXPECT_GT(model.id, 0);
    EXPECT_FALSE(model.savedAt.empty());
    StoredSoilModel newer = TwoLayers(siteId);
    newer.layerChoice = "1";
    newer.layers = {{60.0, 4.0, std::nullopt, std::nullopt}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, newer)));

    std::vector<StoredSoilModel> stored;
    ASSERT_TRUE(terrovane::testing::Into(SoilModels(*archive, siteId), stored));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].id, newer.id);  // newest first
    const StoredSoilModel& back = stored[1];
    EXPECT_EQ(back.layerChoice, "auto");
    EXPECT_DOUBLE_EQ(back.rmsPercent, 1.8);
    ASSERT_EQ(back.layers.size(), 2u);
    EXPECT_DOUBLE_EQ(back.layers[0].resistivity, 120.0);
    EXPECT_DOUBLE_EQ(*back.layers[0].thickness, 2.4);
    EXPECT_TRUE(std::isnan(*back.layers[0].thicknessSigma));
    EXPECT_TRUE(std::isinf(back.layers[1].resistivitySigma));
    EXPECT_FALSE(back.layers[1].thickness);
    ASSERT_EQ(back.points.size(), 5u);
    EXPECT_DOUBLE_EQ(back.points[3].spacing, 8);
    EXPECT_DOUBLE_EQ(back.points[3].apparentResistivity, 52);
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT layer, resistivity_ohm_m, thickness_m FROM soil_model_layers "
                          "WHERE model_id = " +
                              std::to_string(model.id) + " ORDER BY layer"),
              "[[0, 120.0, 2.4], [1, 35.0, null]]");
}

TEST_F(AnalysesStoreTest, BadModelsAndCurvesAreRefusedWithTheReasonAndStoreNothing) {
    StoredSoilModel model = TwoLayers(siteId);
    model.layers[1].thickness = 3.0;
    Status stored = StoreSoilModel(*archive, model);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::Refused);
    EXPECT_STREQ(stored.Error().problem, kLastLayerThickness);
    EXPECT_EQ(stored.Error().Text(), "layer 2: the last layer has no thickness");
    model = TwoLayers(siteId);
    model.layers[0].resistivity = std::nan("");
    stored = StoreSoilModel(*archive, model);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().arguments, std::vector<std::string>{"1"});
    model = TwoLayers(siteId + 99);
    stored = StoreSoilModel(*archive, model);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::NoSuchItem);
    EXPECT_EQ(stored.Error().Text(), "there is no site " + std::to_string(siteId + 99));

    StoredFopCurve curve{0, pointId, "", 50, {{10, 2.0, {}}}, {}};
    stored = StoreFopCurve(*archive, curve);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::Refused);
    EXPECT_EQ(stored.Error().Text(), "a fall-of-potential curve needs at least two readings");
    curve.readings.push_back({-1, 2.0, {}});
    stored = StoreFopCurve(*archive, curve);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().Text(), "reading 2: a distance and a resistance are numbers above 0");
    curve.readings[1].distance = 30;
    curve.point = pointId + 5;
    stored = StoreFopCurve(*archive, curve);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::NoSuchItem);
    EXPECT_EQ(stored.Error().Text(), "there is no test point " + std::to_string(pointId + 5));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM soil_models) + (SELECT count(*) FROM "
                          "soil_model_layers) + (SELECT count(*) FROM fop_curves)"),
              "[[0]]");
}

// Asked for by an id that names nothing (any more), a model or a curve is a missing item with its own
// text, never an empty success or the library's failure.
TEST_F(AnalysesStoreTest, AModelOrCurveNotThereIsMissingByItsOwnText) {
    StoredSoilModel model = TwoLayers(siteId);
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
    ASSERT_TRUE(terrovane::testing::Succeeded(DeleteSoilModel(*archive, model.id)));
    const Result<StoredSoilModel> gone = SoilModelById(*archive, model.id);
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.Error().code, ErrorCode::NoSuchItem);
    EXPECT_STREQ(gone.Error().problem, kNoSoilModel);
    EXPECT_EQ(gone.Error().arguments, std::vector<std::string>{std::to_string(model.id)});
    const Status again = DeleteSoilModel(*archive, model.id);
    ASSERT_FALSE(again);
    EXPECT_STREQ(again.Error().problem, kNoSoilModel);
    const Status noCurve = DeleteFopCurve(*archive, 4242);
    ASSERT_FALSE(noCurve);
    EXPECT_EQ(noCurve.Error().code, ErrorCode::NoSuchItem);
    EXPECT_EQ(noCurve.Error().Text(), "there is no fall-of-potential curve 4242");
}

TEST_F(AnalysesStoreTest, ACurveKeepsItsReadingsAndTheResultsTheyCameFrom) {
    ASSERT_TRUE(
        StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 2.5f)}, {1, MakeResult(1, 5, 2, 2.9f)}}))
            .stored);
    StoredFopCurve curve{0, pointId, "", 50, {{10, 2.5, 1}, {30, 2.9, 2}, {31, 3.0, 777}}, {}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive, curve)));
    std::vector<StoredFopCurve> stored;
    ASSERT_TRUE(terrovane::testing::Into(FopCurves(*archive, pointId), stored));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_DOUBLE_EQ(stored[0].currentProbe, 50);
    ASSERT_EQ(stored[0].readings.size(), 3u);
    EXPECT_EQ(stored[0].readings[1].result, 2);
    EXPECT_FALSE(stored[0].readings[2].result);  // no such result: the reading is kept without it
    EXPECT_DOUBLE_EQ(stored[0].readings[2].resistance, 3.0);
}

// The notes of what an analysis left out come back with it in their order, live in tables made only when a
// note is kept (a file without any keeps its layout), and go with their analysis.
TEST_F(AnalysesStoreTest, TheReadingsLeftOutAreKeptWithTheirAnalysisAndGoWithIt) {
    StoredSoilModel bare = TwoLayers(siteId);
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, bare)));
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM sqlite_master WHERE name LIKE '%left_out'"), "[[0]]");

    StoredSoilModel model = TwoLayers(siteId);
    model.leftOut = {"result 7: ρ > 999.9 kΩ·m is over range, no measured value; left out",
                     "result 3: no measuring distance; left out"};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
    StoredFopCurve curve{
        0, pointId, "", 50, {{10, 2.5, {}}, {30, 2.9, {}}}, {"slot 01: Re invalid; left out"}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive, curve)));

    StoredSoilModel back;
    ASSERT_TRUE(terrovane::testing::Into(SoilModelById(*archive, model.id), back));
    EXPECT_EQ(back.leftOut, model.leftOut);
    std::vector<StoredSoilModel> models;
    ASSERT_TRUE(terrovane::testing::Into(SoilModels(*archive, siteId), models));
    ASSERT_EQ(models.size(), 2u);
    EXPECT_TRUE(models[0].leftOut.empty() != models[1].leftOut.empty());
    std::vector<StoredFopCurve> curves;
    ASSERT_TRUE(terrovane::testing::Into(FopCurves(*archive, pointId), curves));
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].leftOut, curve.leftOut);
    EXPECT_EQ(
        ReadArchive(Path(), "SELECT ordinal, substr(note, 1, 9) FROM soil_model_left_out ORDER BY ordinal"),
        R"([[0, "result 7:"], [1, "result 3:"]])");

    ASSERT_TRUE(terrovane::testing::Succeeded(DeleteSoilModel(*archive, model.id)));
    ASSERT_TRUE(terrovane::testing::Succeeded(DeleteFopCurve(*archive, curves[0].id)));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM soil_model_left_out), (SELECT count(*) FROM "
                          "fop_curve_left_out)"),
              "[[0, 0]]");
}

TEST_F(AnalysesStoreTest, DeletingTheSiteTakesItsModelsAndCurvesAndKeepsTheResults) {
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 2.5f)}})).stored);
    StoredSoilModel model = TwoLayers(siteId);
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
    StoredFopCurve curve{0, pointId, "", 50, {{10, 2.5, 1}, {30, 2.9, {}}}, {}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive, curve)));
    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM soil_models), (SELECT count(*) FROM "
                          "soil_model_points), (SELECT count(*) FROM fop_readings), (SELECT count(*) "
                          "FROM results)"),
              "[[0, 0, 0, 1]]");
}

TEST_F(AnalysesStoreTest, AThirdLayoutFileGainsTheTablesAndKeepsItsSites) {
    archive.reset();
    const std::string file = Path("third.sqlite");
    RunPython(
        "import sqlite3, sys\ndb = sqlite3.connect('" + file + "')\ndb.executescript(sys.stdin.read())\n",
        R"sql(
CREATE TABLE sites (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, address TEXT NOT NULL DEFAULT '',
    latitude REAL, longitude REAL, notes TEXT NOT NULL DEFAULT '', limit_ohm REAL, limit_source TEXT,
    interval_months INTEGER);
CREATE TABLE points (id INTEGER PRIMARY KEY, site_id INTEGER NOT NULL REFERENCES sites(id), name TEXT NOT NULL,
    kind TEXT NOT NULL DEFAULT 'other', notes TEXT NOT NULL DEFAULT '', limit_ohm REAL, limit_source TEXT,
    interval_months INTEGER, ordinal INTEGER NOT NULL DEFAULT 0, last_measured TEXT, UNIQUE (site_id, name));
CREATE TABLE readouts (id INTEGER PRIMARY KEY, read_at TEXT NOT NULL, port TEXT NOT NULL, image BLOB NOT NULL,
    label_id INTEGER, note TEXT);
CREATE TABLE results (id INTEGER PRIMARY KEY, content_key BLOB NOT NULL UNIQUE, packet BLOB NOT NULL,
    first_readout INTEGER NOT NULL, first_slot INTEGER NOT NULL, mode INTEGER NOT NULL, measured_on TEXT NOT NULL,
    measured_time TEXT NOT NULL, voltage_code INTEGER NOT NULL, frequency_code INTEGER NOT NULL,
    v0 REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, v6 REAL, v7 REAL, v8 REAL, v9 REAL, v10 REAL,
    distance INTEGER NOT NULL, label_id INTEGER, note TEXT, point_id INTEGER);
CREATE TABLE readout_slots (readout_id INTEGER NOT NULL, slot INTEGER NOT NULL, result_id INTEGER NOT NULL,
    PRIMARY KEY (readout_id, slot)) WITHOUT ROWID;
CREATE TABLE labels (id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);
INSERT INTO sites (id, name) VALUES (4, 'Old site');
INSERT INTO points (id, site_id, name) VALUES (9, 4, 'Rod');
PRAGMA user_version = 3;
)sql");
    auto third = OpenArchive("third.sqlite");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(ReadArchive(file, "--check"), SoundCheck());
    StoredSoilModel model = TwoLayers(4);
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*third, model)));
    StoredFopCurve curve{0, 9, "", 40, {{10, 2.5, {}}, {30, 2.9, {}}}, {}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*third, curve)));
    EXPECT_EQ(ReadArchive(
                  file, "SELECT s.name, m.layer_choice FROM soil_models m JOIN sites s ON s.id = m.site_id"),
              R"([["Old site", "auto"]])");
    // The migrated file keeps grid assessments as well.
    EXPECT_EQ(ReadArchive(file, "SELECT count(*) FROM sqlite_master WHERE name = 'grid_assessments'"),
              "[[1]]");
}

}  // namespace
}  // namespace terrovane::archive::testing

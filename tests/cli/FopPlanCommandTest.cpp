// terrovane-cli fop plan as a program: a rod in uniform soil read back from JSON, the layers of a stored
// soil model moving the position, a design's grid needing a farther current probe, and what it refuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <numbers>

#include "Archive.h"
#include "ChildProcess.h"
#include "GridAssessments.h"
#include "JsonOutput.h"
#include "JsonSchema.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::testing {
namespace {

// A 20 m x 20 m grid of 4 x 4 meshes with a 3 m rod in each corner.
QJsonObject SmallGrid() {
    return QJsonObject{
        {"grid", QJsonObject{{"length_m", 20},
                             {"width_m", 20},
                             {"conductors_lengthwise", 5},
                             {"conductors_widthwise", 5},
                             {"depth_m", 0.5},
                             {"conductor_diameter_m", 0.01},
                             {"shape", "square"}}},
        {"rods", QJsonObject{{"count", 4}, {"length_m", 3}, {"diameter_m", 0.016}, {"placement", "corners"}}},
        {"fault", QJsonObject{{"grid_current_a", 1000}, {"duration_s", 0.5}}},
        {"soil", QJsonObject{{"resistivity_ohm_m", 100}}}};
}

class FopPlanCommandTest : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return (dir_.path() + "/" + name.c_str()).toStdString(); }
    std::string Design(const QJsonObject& design) const {
        std::ofstream(In("design.json"), std::ios::binary) << QJsonDocument(design).toJson().toStdString();
        return In("design.json");
    }
    ChildOutcome Plan(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"fop", "plan"});
        ChildSettings settings;
        settings.environment.push_back("TERROVANE_ARCHIVE=" + In("archive.sqlite"));
        ChildOutcome run = RunChild(TERROVANE_CLI_PATH, arguments, settings);
        EXPECT_EQ(CliJsonViolations(arguments, run.out), "");
        return run;
    }
    QJsonObject PlanJson(std::vector<std::string> arguments) const {
        arguments.insert(arguments.end(), {"--format", "json"});
        const ChildOutcome run = Plan(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return Json(run.out);
    }

    QTemporaryDir dir_;
};

// Dwight's rod, R = rho/(2 pi L) (ln(4L/a) - 1), read at 61.8 % of D on a curve that rises throughout.
TEST_F(FopPlanCommandTest, RodInUniformSoilIsReadAt618Percent) {
    const QJsonObject plan = PlanJson({"--rho", "100", "--rod", "3,0.016", "--current-probe", "50"});
    const double dwight = 100 / (2 * std::numbers::pi * 3) * (std::log(4 * 3 / 0.008) - 1);
    EXPECT_NEAR(plan["true_resistance_ohm"].toDouble(), dwight, 0.02 * dwight);
    EXPECT_NEAR(plan["true_position"]["fraction"].toDouble(), 0.618, 0.001);
    EXPECT_NEAR(plan["true_position"]["distance_m"].toDouble(), 30.9, 0.05);
    EXPECT_EQ(plan["direction_deg"].toDouble(), 0);
    EXPECT_EQ(plan["flatness_percent"].toDouble(), 5);
    // A 3 m rod has its plateau from about 19 m (40.4 rho / (2 pi R_E) for a hemisphere of its resistance).
    EXPECT_NEAR(plan["plateau_current_probe_m"].toDouble(), 19.3, 0.6);
    const QJsonArray curve = plan["curve"].toArray();
    ASSERT_EQ(curve.size(), 19);
    EXPECT_NEAR(curve[0]["distance_m"].toDouble(), 2.5, 1e-9);
    for (qsizetype k = 1; k < curve.size(); ++k)
        EXPECT_GT(curve[k]["resistance_ohm"].toDouble(), curve[k - 1]["resistance_ohm"].toDouble());

    const ChildOutcome table = Plan({"--rho", "100", "--rod", "3,0.016", "--current-probe", "50"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("potential probe reading it: 61.8 % of D (30.89 m)"), std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("plateau within 5 % from D = 19."), std::string::npos) << table.out;
}

// The stored model's layers are computed in, not reduced to one resistivity: over a conductive bottom the
// position moves towards the electrode.
TEST_F(FopPlanCommandTest, StoredLayersMoveThePositionAndAGridNeedsAFartherProbe) {
    std::string error;
    auto store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    archive::SiteFields site;
    site.name = "Marsh";
    std::int64_t siteId = 0;
    ASSERT_TRUE(archive::AddSite(*store, site, siteId, error)) << error;
    archive::StoredSoilModel model;
    model.site = siteId;
    model.layerChoice = "2";
    model.layers = {{100, 1, 5.0, 0.1}, {100.0 / 9, 1, {}, {}}};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*store, model)));
    store.reset();

    const QJsonObject bySite = PlanJson({"--site", "Marsh", "--rod", "1,0.02", "--current-probe", "30"});
    EXPECT_EQ(bySite["soil"]["resistivities_ohm_m"].toArray().size(), 2);
    EXPECT_LT(bySite["true_position"]["fraction"].toDouble(), 0.56);
    const QJsonObject byId =
        PlanJson({"--soil-model", std::to_string(model.id), "--rod", "1,0.02", "--current-probe", "30"});
    EXPECT_EQ(byId["true_position"], bySite["true_position"]);

    // The design's own soil when none is named; the grid's plateau lies ten times farther than a rod's.
    const QJsonObject grid = PlanJson({"--design", Design(SmallGrid()), "--current-probe", "100"});
    EXPECT_EQ(grid["soil"]["resistivities_ohm_m"].toArray()[0].toDouble(), 100);
    EXPECT_GT(grid["true_position"]["fraction"].toDouble(), 0.618);
    EXPECT_GT(grid["plateau_current_probe_m"].toDouble(), 150);
    const QJsonObject across =
        PlanJson({"--design", Design(SmallGrid()), "--current-probe", "100", "--direction", "90"});
    EXPECT_NEAR(across["true_position"]["fraction"].toDouble(), grid["true_position"]["fraction"].toDouble(),
                1e-3);

    // The design's layers serve as well: the plan is made in both of them.
    QJsonObject layered = SmallGrid();
    layered["soil"] =
        QJsonObject{{"layers", QJsonArray{QJsonObject{{"resistivity_ohm_m", 100}, {"thickness_m", 5}},
                                          QJsonObject{{"resistivity_ohm_m", 100.0 / 9}}}}};
    const QJsonObject inLayers = PlanJson({"--design", Design(layered), "--current-probe", "100"});
    EXPECT_EQ(inLayers["soil"]["resistivities_ohm_m"].toArray().size(), 2);
    EXPECT_LT(inLayers["true_resistance_ohm"].toDouble(), grid["true_resistance_ohm"].toDouble());
}

// The electrode of a site's newest stored grid assessment: the same plan as from the design it was made of,
// the site's soil model under it; a site without one is said.
TEST_F(FopPlanCommandTest, TheGridOfAStoredAssessmentIsTheElectrode) {
    std::string error;
    auto store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    archive::SiteFields site;
    site.name = "Yard";
    std::int64_t siteId = 0;
    ASSERT_TRUE(archive::AddSite(*store, site, siteId, error)) << error;
    site.name = "Field";
    std::int64_t bareId = 0;
    ASSERT_TRUE(archive::AddSite(*store, site, bareId, error)) << error;
    archive::StoredSoilModel model;
    model.site = siteId;
    model.layerChoice = "1";
    model.layers = {{100, 1, {}, {}}};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*store, model)));
    archive::StoredGridAssessment older;  // a first design, kept: the newest one is the electrode
    older.site = siteId;
    older.shape = "square";
    older.lengthM = older.widthM = 60;
    older.conductorsLengthwise = older.conductorsWidthwise = 3;
    older.depthM = 0.5;
    older.conductorDiameterM = 0.01;
    older.rodPlacement = "perimeter";
    older.standard = "ieee80";
    older.soilMethod = "single-layer";
    older.soilResistivity = 100;
    older.durationS = 0.5;
    older.verdict = "safe";
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreGridAssessment(*store, older)));
    archive::StoredGridAssessment newest = older;
    newest.lengthM = newest.widthM = 20;
    newest.conductorsLengthwise = newest.conductorsWidthwise = 5;
    newest.rodCount = 4;
    newest.rodLengthM = 3;
    newest.rodDiameterM = 0.016;
    newest.rodPlacement = "corners";
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreGridAssessment(*store, newest)));
    store.reset();

    const QJsonObject stored =
        PlanJson({"--stored-grid", "Yard", "--site", "Yard", "--current-probe", "100"});
    const QJsonObject typed = PlanJson({"--design", Design(SmallGrid()), "--current-probe", "100"});
    EXPECT_EQ(stored["true_resistance_ohm"], typed["true_resistance_ohm"]);
    EXPECT_EQ(stored["true_position"], typed["true_position"]);

    const ChildOutcome bare = Plan({"--stored-grid", "Field", "--rho", "100", "--current-probe", "100"});
    EXPECT_EQ(bare.status, 1);
    EXPECT_EQ(bare.err, "fop plan: site \"Field\" has no stored grid assessment\n");
    EXPECT_EQ(Plan({"--stored-grid", "Yard", "--rod", "3", "--rho", "100", "--current-probe", "100"}).status,
              2);
}

TEST_F(FopPlanCommandTest, RefusesWhatItCannotPlan) {
    const std::string design = Design(SmallGrid());
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{"--design", design, "--current-probe", "12"},
         2,
         "the current probe must stand beyond the electrode"},
        {{"--rho", "100", "--rod", "3,", "--current-probe", "50"}, 2, "--rod takes"},
        {{"--rho", "100", "--rod", "-3", "--current-probe", "50"}, 2, "--rod takes"},
        {{"--rho", "0", "--rod", "3", "--current-probe", "50"}, 2, "--rho is a resistivity"},
        {{"--rod", "3", "--current-probe", "50"}, 2, "needs --rho, --soil-model or --site"},
        {{"--rho", "100", "--rod", "3", "--current-probe", "50", "--flatness", "0"}, 2, "--flatness takes"},
        {{"--rho", "100", "--rod", "3", "--current-probe", "50", "--direction", "east"},
         2,
         "--direction takes"},
        {{"--rho", "100", "--rod", "3", "--current-probe", "1e6"}, 2, "within 100 km"},
        {{"--site", "Nowhere", "--rod", "3", "--current-probe", "50"}, 1, ""},
    };
    for (const auto& c : cases) {
        const ChildOutcome run = Plan(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[1] << " " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace terrovane::testing

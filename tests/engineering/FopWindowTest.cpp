// The fall-of-potential window on a real archive: the hemisphere's analytic curve as nine 3-pole results,
// distances spread evenly over D until one is edited, bad entries named, the curve kept with its point.
#include <QTest>

#include <cmath>
#include <numbers>

#include "ArchiveFixtures.h"
#include "FopCurves.h"
#include "FopWindow.h"
#include "HistoryWindow.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::engineering {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

constexpr double kRho = 100;     // ohm m
constexpr double kRadius = 0.5;  // m: the true resistance is rho / (2 pi r)
constexpr double kD = 50;

// The resistance a hemisphere of radius r shows with the potential probe at x and the current probe at D.
double Hemisphere(double x) {
    return kRho / (2 * std::numbers::pi) * (1 / kRadius - 1 / kD - 1 / x + 1 / (kD - x));
}

class FopWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> records;
        for (int i = 0; i < 9; ++i)
            records.emplace_back(i, MakeResult(1, 6, i, static_cast<float>(Hemisphere(kD * (i + 1) / 10))));
        records.emplace_back(9, MakeResult(9, 6, 9, 80.0f));
        ASSERT_TRUE(StoreImage(*archive_, ImageWith(records)).stored);
        archive::SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        ASSERT_TRUE(archive_->Results({}, {archive::ResultOrder::Slot, false}, -1, 0, rows_, error_))
            << error_;
        std::vector<std::int64_t> ids;
        for (const auto& row : rows_)
            ids.push_back(row.id);
        ASSERT_TRUE(archive::Assign(*archive_, ids, pointId_, error_)) << error_;
    }

    static void Enter(FopWindow& window, int row, const QString& text) {
        window.Readings().Table().item(row, 2)->setText(text);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::vector<archive::ResultRow> rows_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
};

TEST_F(FopWindowTest, EvenDistancesRecoverTheHemispheresTrueResistance) {
    FopWindow window(archive_.get(), rows_, PointChoice{pointId_, QStringLiteral("Mast 7 / Rod")});
    ASSERT_EQ(window.Readings().Table().rowCount(), 9);  // the resistivity result is left out
    EXPECT_EQ(window.Readings().Table().item(0, 2)->text(), QStringLiteral("5"));
    EXPECT_EQ(window.Readings().Table().item(8, 2)->text(), QStringLiteral("45"));
    const analysis::FopAnalysis& analysis = window.Analysis();
    ASSERT_TRUE(analysis.Ok()) << analysis.error;
    const double truth = kRho / (2 * std::numbers::pi * kRadius);
    EXPECT_NEAR(analysis.resistanceAt618, truth, truth * 0.01);
    ASSERT_TRUE(analysis.slope);
    EXPECT_NEAR(analysis.slope->resistance, truth, truth * 0.01);
    EXPECT_TRUE(
        window.Outcome().Values().text().startsWith(QStringLiteral("Resistance at 61.8 % of D: 31.")));
    EXPECT_TRUE(window.Outcome().Values().text().contains(QStringLiteral("Slope method: mu")));
    ASSERT_TRUE(window.Outcome().Plot().Data().resistanceAt618);
    EXPECT_EQ(window.Outcome().Plot().Data().readings.size(), 9u);
}

TEST_F(FopWindowTest, OverRangeAndDoubtfulResultsStayOffTheCurveAndAreNamed) {
    auto over = MakeResult(1, 7, 1, 350000.0f);  // shown as ">300k"
    auto noisy = MakeResult(1, 7, 2, 30.0f);
    noisy.values[record::kJammingVoltage] = 14;
    ASSERT_TRUE(
        StoreImage(*archive_, ImageWith({{0, over}, {1, noisy}, {2, MakeResult(1, 7, 3, 31.0f)}})).stored);
    std::vector<archive::ResultRow> rows;
    archive::ResultFilter filter;
    filter.readout = 2;
    ASSERT_TRUE(archive_->Results(filter, {archive::ResultOrder::Slot, false}, -1, 0, rows, error_));
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::string> notes;
    const std::vector<FopResult> results = FopResultsOf(rows, notes);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].resistance, 31.0);
    ASSERT_EQ(notes.size(), 2u);
    // Named as a person sees them, by slot and measuring date; the archive's ids are seen nowhere.
    EXPECT_EQ(notes[0],
              "slot 00 of 2009-01-07: Re > 300 k\xCE\xA9 is over range, no measured value; left out");
    EXPECT_EQ(notes[1].rfind("slot 01 of 2009-01-07: doubtful (jamming voltage 14 V", 0), 0u) << notes[1];
    // One measured result is no curve: refused, with how many were left out.
    FopWindow window(archive_.get(), rows, std::nullopt);
    EXPECT_FALSE(window.Analysis().Ok());
    EXPECT_TRUE(window.Outcome().Values().text().contains(QStringLiteral("2 left out")));
    EXPECT_TRUE(window.Outcome().Plot().Data().readings.empty());
}

TEST_F(FopWindowTest, AnEditedDistanceStaysWhenDChangesUntilSpreadAgain) {
    FopWindow window(archive_.get(), rows_, PointChoice{pointId_, QStringLiteral("Mast 7 / Rod")});
    window.CurrentProbe().setValue(100);  // nothing edited yet: spread again over the new D
    EXPECT_EQ(window.Readings().Table().item(0, 2)->text(), QStringLiteral("10"));
    Enter(window, 0, QStringLiteral("abc"));
    EXPECT_FALSE(window.Analysis().Ok());
    EXPECT_EQ(window.Outcome().Values().text(),
              QStringLiteral("Row 1: the potential-probe distance is a number of metres above 0."));
    EXPECT_FALSE(window.Outcome().StoreButton().isEnabled());
    Enter(window, 0, QStringLiteral("5"));
    window.CurrentProbe().setValue(kD);
    EXPECT_EQ(window.Readings().Table().item(0, 2)->text(), QStringLiteral("5"));
    EXPECT_EQ(window.Readings().Table().item(1, 2)->text(), QStringLiteral("20"));  // still spread over 100 m
    window.SpreadEvenly();
    EXPECT_EQ(window.Readings().Table().item(1, 2)->text(), QStringLiteral("10"));
    Enter(window, 8, QStringLiteral("60"));  // beyond the current probe
    EXPECT_FALSE(window.Analysis().Ok());
    EXPECT_FALSE(window.Outcome().Values().text().isEmpty());
}

TEST_F(FopWindowTest, TheArchiveWindowKeepsTheCurveWithTheResultsPoint) {
    history::HistoryWindow archiveWindow(archive_.get(), QString());
    archiveWindow.show();
    archiveWindow.SelectAll();
    auto* window = dynamic_cast<FopWindow*>(archiveWindow.Analyses().ShowFallOfPotential());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fall of potential - Mast 7 / Rod"));
    ASSERT_TRUE(window->Outcome().StoreButton().isEnabled());
    window->StoreWithPoint();
    EXPECT_EQ(window->Outcome().Status().text(), QStringLiteral("Curve stored with Mast 7 / Rod"));
    std::vector<archive::StoredFopCurve> curves;
    ASSERT_TRUE(terrovane::testing::Into(archive::FopCurves(*archive_, pointId_), curves));
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_DOUBLE_EQ(curves[0].currentProbe, kD);
    ASSERT_EQ(curves[0].readings.size(), 9u);
    EXPECT_TRUE(curves[0].readings[0].result);
    // The resistivity result it left out is named with the curve, for the site report.
    ASSERT_EQ(curves[0].leftOut.size(), 1u);
    EXPECT_EQ(curves[0].leftOut[0].rfind("1 result is", 0), 0u) << curves[0].leftOut[0];
    const auto analysis = analysis::AnalyseFallOfPotential(ReadingsOf(curves[0]), curves[0].currentProbe);
    EXPECT_NEAR(analysis.resistanceAt618, window->Analysis().resistanceAt618, 1e-9);
}

// Without a soil model of the site nothing is predicted; with one, the curve of a rod in it is drawn with
// where it reads the rod's true resistance: in uniform soil near 61.8 % of D and Dwight's value, a longer
// rod less, and a resistive lower layer moves the position.
TEST_F(FopWindowTest, TheSitesSoilModelPredictsTheCurveOfARod) {
    {
        FopWindow bare(archive_.get(), rows_, PointChoice{pointId_, QStringLiteral("Mast 7 / Rod")});
        EXPECT_FALSE(bare.Prediction().Model());
        EXPECT_TRUE(bare.Outcome().Plot().Data().predicted.empty());
        EXPECT_FALSE(bare.Outcome().Values().text().contains(QStringLiteral("Soil model")));
    }
    archive::StoredSoilModel model;
    model.site = siteId_;
    model.layerChoice = "1";
    model.layers = {{kRho, 1, {}, {}}};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, model)));
    FopWindow window(archive_.get(), rows_, PointChoice{pointId_, QStringLiteral("Mast 7 / Rod")});
    ASSERT_TRUE(window.Prediction().Model());
    EXPECT_FALSE(window.Prediction().Model()->grid);
    ASSERT_TRUE(window.Prediction().Plan());
    // Dwight: rho / (2 pi L) (ln(4 L / a) - 1) for 3 m of 16 mm rod, 33.5 ohm.
    const double dwight = kRho / (2 * std::numbers::pi * 3) * (std::log(4 * 3 / 0.008) - 1);
    EXPECT_NEAR(window.Prediction().Plan()->trueResistance, dwight, 0.02 * dwight);
    ASSERT_TRUE(window.Prediction().Plan()->trueFraction);
    const double uniformFraction = *window.Prediction().Plan()->trueFraction;
    EXPECT_NEAR(uniformFraction, 0.618, 0.02);
    EXPECT_EQ(window.Outcome().Plot().Data().predicted.size(), 39u);
    EXPECT_EQ(window.Outcome().Plot().Data().predictedTrueFraction, window.Prediction().Plan()->trueFraction);
    EXPECT_TRUE(window.Outcome().Values().text().contains(QStringLiteral("Soil model, a rod of 3 m: 33.")))
        << window.Outcome().Values().text().toStdString();
    EXPECT_TRUE(window.Outcome().Values().text().contains(QStringLiteral("The readings give ")));

    window.Prediction().RodLength().setValue(6);
    ASSERT_TRUE(window.Prediction().Plan());
    EXPECT_LT(window.Prediction().Plan()->trueResistance, 0.6 * dwight);

    model.layerChoice = "2";
    model.layers = {{kRho, 1, 2.0, 0.1}, {10 * kRho, 10, {}, {}}};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, model)));
    FopWindow layered(archive_.get(), rows_, PointChoice{pointId_, QStringLiteral("Mast 7 / Rod")});
    ASSERT_TRUE(layered.Prediction().Plan());
    ASSERT_TRUE(layered.Prediction().Plan()->trueFraction);
    EXPECT_GT(std::fabs(*layered.Prediction().Plan()->trueFraction - uniformFraction), 0.01);
    EXPECT_GT(layered.Prediction().Plan()->trueResistance, dwight);
}

}  // namespace
}  // namespace terrovane::engineering

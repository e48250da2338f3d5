// The analyses kept in the archive as a user meets them: listed with their site and point, opened again
// in their windows, deleted after a question; a soil model keeps its covariance for the site report's band.
#include <QTest>

#include "ArchiveFixtures.h"
#include "FopWindow.h"
#include "GridWindow.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "ResultCheck.h"
#include "SiteReportAnalyses.h"
#include "Sites.h"
#include "SoilCovariance.h"
#include "SoilWindow.h"
#include "StoredAnalyses.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

class StoredAnalysesTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)}})).stored);
        archive::SiteFields site;
        site.name = "Quarry";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Main rod";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        model_.site = siteId_;
        model_.layerChoice = "2";
        model_.rmsPercent = 1.5;
        model_.layers = {{120.0, 3.5, 2.4, 0.2}, {40.0, 1.5, std::nullopt, std::nullopt}};
        model_.points = {{1, 118}, {2, 110}, {4, 85}, {8, 52}, {16, 43}, {32, 41}};
        model_.logCovariance = {0.01, 0.002, -0.001, 0.002, 0.02, 0.003, -0.001, 0.003, 0.015};
        model_.leftOut = {"result 4: no measuring distance; left out"};
        ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, model_)));
        curve_.point = pointId_;
        curve_.currentProbe = 40;
        curve_.readings = {{8, 4.1, std::nullopt},
                           {16, 4.6, std::nullopt},
                           {24, 4.8, std::nullopt},
                           {32, 5.9, std::nullopt}};
        curve_.leftOut = {"result 9: Re > 300 kΩ is over range, no measured value; left out"};
        ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreFopCurve(*archive_, curve_)));
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    archive::StoredSoilModel model_;
    archive::StoredFopCurve curve_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(StoredAnalysesTest, TheyAreListedWithTheirSiteAndPointReopenedAndDeletedAfterAQuestion) {
    auto* dialog = dynamic_cast<StoredAnalysesDialog*>(window_->Analyses().ShowStoredAnalyses());
    ASSERT_NE(dialog, nullptr);
    QTableWidget& list = dialog->List();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.item(0, 0)->text(), QStringLiteral("Soil model"));
    EXPECT_EQ(list.item(0, 1)->text(), QStringLiteral("Quarry"));
    EXPECT_EQ(list.item(1, 0)->text(), QStringLiteral("Fall of potential"));
    EXPECT_EQ(list.item(1, 2)->text(), QStringLiteral("Main rod"));

    list.selectRow(0);
    auto* soil = dynamic_cast<engineering::SoilWindow*>(dialog->OpenChosen());
    ASSERT_NE(soil, nullptr);
    EXPECT_EQ(soil->Source().Points().size(), 6u);
    EXPECT_EQ(soil->LayerChoice().currentText(), QStringLiteral("2"));
    EXPECT_EQ(soil->Fit().layers.size(), 2u);
    EXPECT_EQ(soil->windowTitle(), QStringLiteral("Soil model - Quarry"));
    EXPECT_TRUE(
        soil->Saving().Notes().text().contains(QStringLiteral("result 4: no measuring distance; left out")))
        << soil->Saving().Notes().text().toStdString();
    soil->close();

    list.selectRow(1);
    auto* fop = dynamic_cast<engineering::FopWindow*>(dialog->OpenChosen());
    ASSERT_NE(fop, nullptr);
    EXPECT_EQ(fop->CurrentProbe().value(), 40);
    ASSERT_EQ(fop->Readings().Table().rowCount(), 4);
    EXPECT_EQ(fop->Readings().Table().item(2, 2)->text(), QStringLiteral("24"));
    EXPECT_TRUE(fop->Outcome().StoreButton().isEnabled());
    // What the curve left out when it was stored is said again under it.
    EXPECT_FALSE(fop->Outcome().LeftOutNotes().isHidden());
    EXPECT_EQ(fop->Outcome().LeftOutNotes().text(),
              QString::fromUtf8("result 9: Re > 300 kΩ is over range, no measured value; left out"));
    fop->close();

    recorder_.AnswerNext(platform::MessageResult::Cancel);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(list.rowCount(), 2);
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find("fall-of-potential curve of Quarry / Main rod"), std::string::npos);
    list.selectRow(1);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(list.rowCount(), 1);
    std::vector<archive::StoredFopCurve> curves;
    ASSERT_TRUE(terrovane::testing::Into(archive::FopCurves(*archive_, pointId_), curves));
    EXPECT_TRUE(curves.empty());
    std::vector<archive::ResultRow> rows;
    ASSERT_TRUE(archive_->Results({}, {}, -1, 0, rows, error_)) << error_;
    EXPECT_EQ(rows.size(), 1u);  // no result goes with an analysis
    dialog->close();
}

// A grid assessment kept with its site is listed too, opened again on its own design and deleted after a
// question whose default keeps it.
TEST_F(StoredAnalysesTest, AGridAssessmentIsListedReopenedAndDeleted) {
    {
        engineering::GridWindow grid(
            archive_.get(), engineering::SiteChoice{siteId_, QStringLiteral("Quarry")}, std::nullopt);
        grid.Soil().SoilSource().setCurrentIndex(grid.Soil().SoilSource().count() - 1);
        grid.Soil().TypedResistivity().setValue(400);
        grid.Fields().Rods().RodCount().setValue(20);
        grid.Fields().Rods().RodLength().setValue(7.5);
        grid.StoreWithSite();
    }
    auto* dialog = dynamic_cast<StoredAnalysesDialog*>(window_->Analyses().ShowStoredAnalyses());
    ASSERT_NE(dialog, nullptr);
    QTableWidget& list = dialog->List();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.item(2, 0)->text(), QStringLiteral("Grid assessment"));
    EXPECT_EQ(list.item(2, 1)->text(), QStringLiteral("Quarry"));
    EXPECT_EQ(list.item(2, 4)->text(), QStringLiteral("70 m x 70 m, 400 Ω·m: Safe"));
    EXPECT_EQ(list.item(0, 4)->text(), QStringLiteral("2 layers (asked: 2), RMS error 1.50 %, 6 points"));

    list.selectRow(2);
    auto* grid = dynamic_cast<engineering::GridWindow*>(dialog->OpenChosen());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Fields().Rods().RodCount().value(), 20);
    EXPECT_EQ(grid->Soil().SoilSource().currentIndex(),
              grid->Soil().SoilSource().count() - 1);  // typed, as stored
    ASSERT_TRUE(grid->Current());
    EXPECT_EQ(grid->Current()->soil.resistivity, 400);
    grid->close();

    recorder_.AnswerNext(platform::MessageResult::Cancel);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(recorder_.Messages()[0].defaultAnswer, platform::MessageResult::Cancel);
    EXPECT_NE(recorder_.Texts()[0].find("grid assessment of Quarry"), std::string::npos);
    EXPECT_EQ(list.rowCount(), 3);
    list.selectRow(2);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(list.rowCount(), 2);
    std::vector<archive::StoredGridAssessment> stored;
    ASSERT_TRUE(terrovane::testing::Into(archive::GridAssessments(*archive_, siteId_), stored));
    EXPECT_TRUE(stored.empty());
    dialog->close();
}

TEST_F(StoredAnalysesTest, TheSiteReportReadsTheModelsCovarianceForItsBand) {
    std::vector<archive::PointRow> points;
    ASSERT_TRUE(archive::Points(*archive_, siteId_, points, error_)) << error_;
    sitereport::StoredAnalyses analyses;
    ASSERT_TRUE(sitereport::LoadStoredAnalyses(*archive_, siteId_, points, analyses, error_)) << error_;
    ASSERT_TRUE(analyses.soilModel);
    EXPECT_EQ(analyses.soilModel->logCovariance, model_.logCovariance);
    // A covariance that does not fit the model is not kept.
    archive::StoredSoilModel odd = model_;
    odd.logCovariance = {1.0, 2.0};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, odd)));
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::LoadSoilCovariance(*archive_, odd)));
    EXPECT_TRUE(odd.logCovariance.empty());
}

}  // namespace
}  // namespace terrovane::history

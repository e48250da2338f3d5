// The soil model window on a real archive: a site's resistivity results fitted, the layer choice, the
// model kept with the site, and the plot and model files read back by independent readers.
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include <cmath>

#include "ArchiveFixtures.h"
#include "GridWindow.h"
#include "HistoryWindow.h"
#include "LayeredEarth.h"
#include "MessageRecorder.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"
#include "SoilSession.h"
#include "SoilWindow.h"

namespace terrovane::engineering {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::RunPython;

// A Wenner sounding over 150 ohm m on 30 ohm m at 2.5 m, stored as resistivity results at whole metres,
// with a 3-pole result among them that the window leaves out.
class SoilWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        const analysis::LayeredEarth earth{{150, 30}, {2.5}};
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> records;
        const int spacings[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32};
        for (std::size_t i = 0; i < std::size(spacings); ++i) {
            const double noise = 1 + 0.01 * std::sin(7.0 * static_cast<double>(i));
            auto r = MakeResult(
                9, 5, static_cast<int>(i),
                static_cast<float>(analysis::WennerApparentResistivity(earth, spacings[i]) * noise));
            r.integerValue = static_cast<std::uint32_t>(spacings[i]);
            records.emplace_back(i, r);
        }
        records.emplace_back(20, MakeResult(1, 5, 30, 4.0f));
        ASSERT_TRUE(StoreImage(*archive_, ImageWith(records)).stored);
        archive::SiteFields site;
        site.name = "Substation West";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Sounding 1";
        std::int64_t pointId = 0;
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId, error_)) << error_;
        ASSERT_TRUE(archive_->Results({}, {}, -1, 0, rows_, error_)) << error_;
        std::vector<std::int64_t> ids;
        for (const auto& row : rows_)
            ids.push_back(row.id);
        ASSERT_TRUE(archive::Assign(*archive_, ids, pointId, error_)) << error_;
        rows_.clear();
        ASSERT_TRUE(archive_->Results({}, {}, -1, 0, rows_, error_)) << error_;
    }

    std::unique_ptr<archive::Archive> archive_;
    std::vector<archive::ResultRow> rows_;
    std::int64_t siteId_ = 0;
    std::string error_;
};

TEST_F(SoilWindowTest, TheSoundingOfTheResultsIsFittedAndTheLayerChoiceRefits) {
    const analysis::GatheredSounding gathered = SoundingOfResults(rows_);
    EXPECT_EQ(gathered.points.size(), 10u);
    ASSERT_FALSE(gathered.notes.empty());
    EXPECT_EQ(gathered.notes[0], "1 result is no resistivity reading and left out");

    SoilWindow window(archive_.get(), rows_, SiteChoice{siteId_, QStringLiteral("Substation West")});
    EXPECT_EQ(window.LayerChoice().currentText(), QStringLiteral("auto"));
    ASSERT_TRUE(window.Fit().Ok()) << window.Fit().error;
    EXPECT_GE(window.Fit().layers.size(), 2u);  // one layer cannot follow a 5:1 contrast
    window.LayerChoice().setCurrentText(QStringLiteral("2"));
    ASSERT_EQ(window.Fit().layers.size(), 2u);
    EXPECT_NEAR(window.Fit().layers[0].resistivity, 150, 150 * 0.05);
    EXPECT_NEAR(*window.Fit().layers[0].thickness, 2.5, 2.5 * 0.1);
    EXPECT_EQ(window.LayerTable().rowCount(), 2);
    EXPECT_TRUE(window.LayerTable().item(0, 0)->text().contains(QStringLiteral("± ")));
    EXPECT_EQ(window.LayerTable().item(1, 1)->text(), QStringLiteral("below"));
    EXPECT_EQ(window.LayerTable().item(0, 3)->text(), QStringLiteral("yes"));  // resolved
    EXPECT_TRUE(window.Rms().text().startsWith(QStringLiteral("2 layers, RMS error")));
    // The band is there and the model lies inside it.
    const plots::SoilPlotData& data = window.Plot().Data();
    ASSERT_FALSE(data.curve.empty());
    EXPECT_EQ(data.measured.size(), 10u);
    EXPECT_TRUE(
        std::any_of(data.curve.begin(), data.curve.end(), [](const auto& p) { return p.high > p.model; }));

    window.LayerChoice().setCurrentText(QStringLiteral("1"));
    EXPECT_EQ(window.Fit().layers.size(), 1u);
    EXPECT_EQ(window.LayerTable().rowCount(), 1);
    EXPECT_GT(window.Fit().rmsPercent, 10);
}

// At the size it asks for on a 1280-pixel screen, every column of a three-layer table is in view, "Resolved"
// included, without scrolling.
TEST_F(SoilWindowTest, TheLayerTableShowsEveryColumnAtTheWindowsOwnSize) {
    SoilWindow window(archive_.get(), rows_, SiteChoice{siteId_, QStringLiteral("Substation West")});
    window.LayerChoice().setCurrentText(QStringLiteral("3"));
    ASSERT_EQ(window.LayerTable().rowCount(), 3);
    // Laid out at that size without showing it: the test platform's screen is narrower.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.resize(1100, 620);
    window.layout()->activate();
    QTableWidget& table = window.LayerTable();
    const int columns = table.horizontalHeader()->length();
    EXPECT_LE(columns, table.viewport()->width());
    EXPECT_EQ(table.horizontalScrollBar()->maximum(), 0);
}

TEST_F(SoilWindowTest, TheModelIsKeptWithItsSiteAndSavedAsFilesOthersRead) {
    SoilWindow window(archive_.get(), rows_, SiteChoice{siteId_, QStringLiteral("Substation West")});
    window.LayerChoice().setCurrentText(QStringLiteral("2"));
    ASSERT_TRUE(window.Saving().StoreButton().isEnabled());
    window.StoreWithSite();
    EXPECT_EQ(window.Saving().Status().text(), QStringLiteral("Model stored with Substation West"));
    std::vector<archive::StoredSoilModel> stored;
    ASSERT_TRUE(terrovane::testing::Into(archive::SoilModels(*archive_, siteId_), stored));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].layerChoice, "2");
    EXPECT_EQ(stored[0].layers.size(), 2u);
    EXPECT_EQ(stored[0].points.size(), 10u);
    EXPECT_EQ(EarthOf(stored[0]).thicknesses.size(), 1u);

    const std::string json = Folder() + "/model.json";
    window.Saving().modelFileChooser = [&] { return QString::fromStdString(json); };
    window.Saving().SaveModelFile();
    EXPECT_EQ(
        RunPython("import json\nm = json.load(open('" + json +
                      "'))\nprint(len(m['layers']), 'thickness_m' in m['layers'][-1], len(m['points']))",
                  ""),
        "2 False 10");
    const std::string csv = Folder() + "/model.csv";
    window.Saving().modelFileChooser = [&] { return QString::fromStdString(csv); };
    window.Saving().SaveModelFile();
    EXPECT_EQ(RunPython("import csv\nrows = list(csv.reader(open('" + csv +
                            "')))\nprint(rows[0][1], rows[2][3] == '', rows[7][0], len(rows))",
                        ""),
              "resistivity_ohm_m True spacing_m 18");

    const std::string png = Folder() + "/plot.png";
    window.Saving().plotFileChooser = [&] { return QString::fromStdString(png); };
    window.Saving().SavePlotFile();
    EXPECT_EQ(window.Saving().Status().text(),
              QStringLiteral("Plot saved to ") + QString::fromStdString(png));
    EXPECT_EQ(RunPython("import struct\nd = open('" + png +
                            "', 'rb').read(24)\nprint(d[:8] == b'\\x89PNG\\r\\n\\x1a\\n', "
                            "struct.unpack('>II', d[16:24]))",
                        ""),
              "True (1600, 1100)");
    const std::string pdf = Folder() + "/plot.pdf";
    window.Saving().plotFileChooser = [&] { return QString::fromStdString(pdf); };
    window.Saving().SavePlotFile();
    const auto text = archive::testing::RunCommand("pdftotext '" + pdf + "' -");
    EXPECT_NE(text.text.find("Electrode spacing a (m)"), std::string::npos) << text.text;
    EXPECT_NE(text.text.find("Model ± one sigma"), std::string::npos);
}

TEST_F(SoilWindowTest, WithoutResistivityResultsTheWindowSaysSoAndOffersNothingToStore) {
    std::vector<archive::ResultRow> threePole;
    for (const auto& row : rows_)
        if (record::MeasurementRecord::FromPacket(row.packet).mode == 1)
            threePole.push_back(row);
    SoilWindow window(archive_.get(), threePole, std::nullopt);
    EXPECT_FALSE(window.Fit().Ok());
    EXPECT_EQ(window.Rms().text(),
              QStringLiteral("No resistivity results (mode 9) with a distance among the chosen results."));
    EXPECT_FALSE(window.Saving().StoreButton().isEnabled());
    window.Saving().modelFileChooser = [] { return QStringLiteral("/nonexistent/never"); };
    window.Saving().SaveModelFile();
    EXPECT_EQ(window.Saving().Status().text(), QStringLiteral("There is no model to save"));
}

TEST_F(SoilWindowTest, TheArchiveWindowOpensItOnTheChosenSiteWithoutASelection) {
    testing::MessageRecorder recorder;
    history::HistoryWindow archiveWindow(archive_.get(), QString());
    ASSERT_TRUE(archiveWindow.Tree().Choose({history::TreeChoice::Kind::Site, siteId_}));
    auto* window = dynamic_cast<SoilWindow*>(archiveWindow.Analyses().ShowSoilModel());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Soil model - Substation West"));
    EXPECT_EQ(window->Source().Points().size(), 10u);
    EXPECT_TRUE(window->Saving().StoreButton().isEnabled());
    ASSERT_TRUE(archiveWindow.Tree().Choose({history::TreeChoice::Kind::All, 0}));
    archiveWindow.View().clearSelection();
    EXPECT_EQ(archiveWindow.Analyses().ShowSoilModel(), nullptr);
    EXPECT_EQ(recorder.Texts().size(), 1u);
    // Chosen results of the site's points find their site without the tree.
    archiveWindow.SelectAll();
    auto* chosen = dynamic_cast<SoilWindow*>(archiveWindow.Analyses().ShowSoilModel());
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->windowTitle(), QStringLiteral("Soil model - Substation West"));
}

// A site is chosen but holds no sounding: the window opens for one typed in.
TEST_F(SoilWindowTest, ASiteWithoutResistivityResultsOpensForASoundingTypedIn) {
    archive::SiteFields empty;
    empty.name = "Quarry";
    std::int64_t quarry = 0;
    ASSERT_TRUE(archive::AddSite(*archive_, empty, quarry, error_)) << error_;
    testing::MessageRecorder recorder;
    history::HistoryWindow archiveWindow(archive_.get(), QString());
    ASSERT_TRUE(archiveWindow.Tree().Choose({history::TreeChoice::Kind::Site, quarry}));
    archiveWindow.View().clearSelection();
    auto* window = dynamic_cast<SoilWindow*>(archiveWindow.Analyses().ShowSoilModel());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Source().TypedMode());
    EXPECT_TRUE(window->Source().TypedPanel().isVisibleTo(window));
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(SoilWindowTest, GridSafetyWorksOnTheFittedModel) {
    SoilWindow window(archive_.get(), rows_, SiteChoice{siteId_, QStringLiteral("Substation West")});
    window.LayerChoice().setCurrentText(QStringLiteral("2"));
    auto* grid = dynamic_cast<GridWindow*>(window.ShowGridSafety());
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(grid->Current());
    const grid::UniformSoil& soil = grid->Current()->soil;
    EXPECT_EQ(soil.method, grid::UniformMethod::ApparentAtEquivalentRadius);
    EXPECT_EQ(soil.layers, 2);
    // At the 70 m grid's equivalent radius of 39.5 m the lower 30 ohm m layer governs.
    EXPECT_NEAR(soil.resistivity, 30, 30 * 0.15);
    EXPECT_TRUE(grid->Soil().SoilNote().text().contains(QStringLiteral("2-layer model")));
}

}  // namespace
}  // namespace terrovane::engineering

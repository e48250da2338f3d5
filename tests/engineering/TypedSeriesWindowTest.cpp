// Traverses and soundings typed into the fall-of-potential and soil windows as a user types them, cell by
// cell: fitted exactly as the instrument's results at the same points are, kept with their point or site
// and read back by an independent reader, bad rows named.
#include <QTest>

#include <array>
#include <cmath>
#include <numbers>

#include "ArchiveFixtures.h"
#include "FopWindow.h"
#include "LayeredEarth.h"
#include "Sites.h"
#include "SoilFit.h"
#include "SoilWindow.h"
#include "TypedSeriesFit.h"

namespace terrovane::engineering {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::ReadArchive;

// Values a single-precision instrument reading and a box of two or three decimals both hold exactly, so the
// same points reach the analysis as the same numbers whichever way they came.
double Exact(double value, double parts = 8) {
    return std::round(value * parts) / parts;
}

// A hemisphere's curve (rho 100 ohm m, radius 0.5 m, D 50 m) at nine evenly spread distances.
double HemisphereAt(double x) {
    constexpr double kD = 50;
    return Exact(100 / (2 * std::numbers::pi) * (1 / 0.5 - 1 / kD - 1 / x + 1 / (kD - x)));
}

// Types into a cell's box as a person does: click, select what is there, type, Enter.
void TypeInto(keyboard::NumberBox& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, text);
    QTest::keyClick(&box, Qt::Key_Return);
}

void TypeRows(TypedReadingsTable& table, const std::vector<std::pair<double, double>>& rows) {
    while (table.Table().rowCount() < static_cast<int>(rows.size()))
        QTest::mouseClick(&table.AddButton(), Qt::LeftButton);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TypeInto(table.Where(static_cast<int>(i)), QString::number(rows[i].first));
        TypeInto(table.Value(static_cast<int>(i)), QString::number(rows[i].second));
    }
}

class TypedSeriesWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
    }

    std::vector<archive::ResultRow> StoredResults(const std::vector<record::MeasurementRecord>& records) {
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> placed;
        for (std::size_t i = 0; i < records.size(); ++i)
            placed.emplace_back(i, records[i]);
        EXPECT_TRUE(StoreImage(*archive_, ImageWith(placed)).stored);
        std::vector<archive::ResultRow> rows;
        EXPECT_TRUE(archive_->Results({}, {archive::ResultOrder::Slot, false}, -1, 0, rows, error_))
            << error_;
        return rows;
    }

    PointChoice Point() const { return {pointId_, QStringLiteral("Mast 7 / Rod")}; }
    SiteChoice Site() const { return {siteId_, QStringLiteral("Mast 7")}; }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
};

TEST_F(TypedSeriesWindowTest, ATraverseTypedInIsAnalysedExactlyAsTheInstrumentsResultsAndKept) {
    std::vector<record::MeasurementRecord> records;
    std::vector<std::pair<double, double>> typed;
    for (int i = 1; i <= 9; ++i) {
        records.push_back(MakeResult(1, 6, i, static_cast<float>(HemisphereAt(5.0 * i))));
        typed.emplace_back(5.0 * i, HemisphereAt(5.0 * i));
    }
    const FopWindow measured(archive_.get(), StoredResults(records), Point());
    ASSERT_TRUE(measured.Analysis().Ok()) << measured.Analysis().error;

    // A point without results opens for a traverse typed in.
    FopWindow window(archive_.get(), {}, Point());
    window.show();
    ASSERT_TRUE(window.Typed().On());
    EXPECT_FALSE(window.Readings().Table().isVisible());
    TypeRows(window.Typed().Panel().Readings(), typed);
    ASSERT_TRUE(window.Analysis().Ok()) << window.Analysis().error;
    EXPECT_EQ(window.Analysis().resistanceAt618, measured.Analysis().resistanceAt618);
    ASSERT_TRUE(window.Analysis().slope && measured.Analysis().slope);
    EXPECT_EQ(window.Analysis().slope->resistance, measured.Analysis().slope->resistance);
    EXPECT_EQ(window.Outcome().Values().text(), measured.Outcome().Values().text());

    window.Typed().Panel().Taking().Instrument().setText(QStringLiteral("Other make 4105, serial 77"));
    window.Typed().Panel().Taking().MeasuredBy().setText(QStringLiteral("Jo Field"));
    window.Typed().Panel().Taking().Measured().setDateTime(QDateTime(QDate(2024, 3, 1), QTime(9, 15)));
    QTest::mouseClick(&window.Typed().Panel().KeepButton(), Qt::LeftButton);
    EXPECT_EQ(window.Outcome().Status().text(), QStringLiteral("Typed traverse kept with Mast 7 / Rod"));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT point_id, current_probe_m, measured_date, measured_time, instrument, "
                          "measured_by, (SELECT count(*) FROM typed_traverse_readings) FROM typed_traverses"),
              "[[" + std::to_string(pointId_) +
                  R"(, 50.0, "2024-03-01", "09:15:00", "Other make 4105, serial 77", "Jo Field", 9]])");

    // Kept, it is offered again and analysed from the archive to the same numbers.
    const auto kept = archive::TypedTraverses(*archive_, pointId_);
    ASSERT_TRUE(kept && kept.Value().size() == 1u);
    const analysis::FopAnalysis again = analysis::AnalyseFallOfPotential(
        stored::FopReadingsOf(kept.Value()[0]), kept.Value()[0].currentProbe);
    EXPECT_EQ(again.resistanceAt618, measured.Analysis().resistanceAt618);
    FopWindow reopened(archive_.get(), {}, Point());
    ASSERT_EQ(reopened.Typed().Panel().Stored().count(), 2);
    EXPECT_EQ(reopened.Typed().Panel().Stored().itemText(1),
              QStringLiteral("2024-03-01 09:15, Jo Field, 9 readings"));
    reopened.Typed().Panel().Stored().setCurrentIndex(1);
    EXPECT_EQ(reopened.Analysis().resistanceAt618, measured.Analysis().resistanceAt618);
    EXPECT_EQ(reopened.Typed().Panel().Taking().Instrument().text(),
              QStringLiteral("Other make 4105, serial 77"));
}

TEST_F(TypedSeriesWindowTest, AHalfTypedRowIsNamedAndNothingIsKept) {
    FopWindow window(archive_.get(), {}, Point());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TypeRows(window.Typed().Panel().Readings(), {{10, 3.5}, {20, 4.1}});
    TypeInto(window.Typed().Panel().Readings().Where(2), QStringLiteral("30"));
    EXPECT_EQ(window.Analysis().error, "Row 3: a distance and a resistance are numbers above 0.");
    EXPECT_FALSE(window.Outcome().StoreButton().isEnabled());
    QTest::mouseClick(&window.Typed().Panel().KeepButton(), Qt::LeftButton);
    EXPECT_EQ(window.Outcome().Status().text(),
              QStringLiteral("Row 3: a distance and a resistance are numbers above 0."));
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_traverses"), "[[0]]");
    // Removing the row makes the traverse whole again; a refused cell names its row.
    window.Typed().Panel().Readings().Where(2).setFocus();
    QTest::mouseClick(&window.Typed().Panel().Readings().RemoveButton(), Qt::LeftButton);
    EXPECT_TRUE(window.Analysis().error.empty() || window.Analysis().refusal.Refused())
        << window.Analysis().error;
    TypeInto(window.Typed().Panel().Readings().Value(1), QStringLiteral("4,1x"));
    EXPECT_TRUE(
        window.Typed().Panel().Readings().Value(1).Refusal().startsWith(QStringLiteral("Re (Ω), row 2:")))
        << window.Typed().Panel().Readings().Value(1).Refusal().toStdString();
    EXPECT_EQ(window.Typed().Panel().Readings().Value(1).value(), 4.1);
}

TEST_F(TypedSeriesWindowTest, AWennerSoundingTypedInIsFittedExactlyAsTheInstrumentsResults) {
    const analysis::LayeredEarth earth{{150, 30}, {2.5}};
    const int spacings[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32};
    std::vector<record::MeasurementRecord> records;
    std::vector<std::pair<double, double>> typed;
    for (std::size_t i = 0; i < std::size(spacings); ++i) {
        const double rho = Exact(analysis::WennerApparentResistivity(earth, spacings[i]), 4);
        auto r = MakeResult(9, 5, static_cast<int>(i), static_cast<float>(rho));
        r.integerValue = static_cast<std::uint32_t>(spacings[i]);
        records.push_back(r);
        typed.emplace_back(spacings[i], rho);
    }
    SoilWindow measured(archive_.get(), StoredResults(records), Site());
    measured.LayerChoice().setCurrentText(QStringLiteral("2"));
    ASSERT_TRUE(measured.Fit().Ok()) << measured.Fit().error;

    SoilWindow window(archive_.get(), {}, Site());
    window.show();
    ASSERT_TRUE(window.Source().TypedMode());
    window.LayerChoice().setCurrentText(QStringLiteral("2"));
    window.Source().TypedPanel().Quantity().setCurrentIndex(
        1);  // apparent resistivity, as the instrument shows it
    TypeRows(window.Source().TypedPanel().Readings(), typed);
    ASSERT_TRUE(window.Fit().Ok()) << window.Fit().error;
    ASSERT_EQ(window.Fit().layers.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(window.Fit().layers[i].resistivity, measured.Fit().layers[i].resistivity);
    EXPECT_EQ(*window.Fit().layers[0].thickness, *measured.Fit().layers[0].thickness);
    EXPECT_EQ(window.Rms().text(), measured.Rms().text());

    QTest::mouseClick(&window.Source().TypedPanel().KeepButton(), Qt::LeftButton);
    EXPECT_EQ(window.Saving().Status().text(), QStringLiteral("Typed sounding kept with Mast 7"));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT site_id, electrode_array, quantity, (SELECT count(*) FROM "
                          "typed_sounding_points) FROM typed_soundings"),
              "[[" + std::to_string(siteId_) + R"(, "wenner", "resistivity", 10]])");
    // The model fitted to it is stored like any other.
    QTest::mouseClick(&window.Saving().StoreButton(), Qt::LeftButton);
    EXPECT_EQ(
        ReadArchive(Path(), "SELECT count(*) FROM soil_models WHERE site_id = " + std::to_string(siteId_)),
        "[[1]]");
}

TEST_F(TypedSeriesWindowTest, ResistancesBecomeResistivitiesAsTheInstrumentWorksThemOut) {
    archive::TypedSounding sounding;
    sounding.quantity = archive::TypedQuantity::Resistance;
    sounding.points = {{4, 2.5}, {1, 10}};
    const analysis::Sounding points = stored::SoundingOf(sounding);
    ASSERT_EQ(points.size(), 2u);  // ordered by spacing
    EXPECT_EQ(points[0].spacing, 1);
    EXPECT_DOUBLE_EQ(points[0].apparentResistivity, 2 * std::numbers::pi * 10);
    EXPECT_DOUBLE_EQ(points[1].apparentResistivity, 2 * std::numbers::pi * 4 * 2.5);

    // A Schlumberger resistance at AB/2 = 10 m and MN/2 = 1 m: rho = pi R (100 - 1) / 2.
    sounding.array = archive::ElectrodeArray::Schlumberger;
    sounding.points = {{10, 0.5, 1}, {3, 4, 0.5}};
    ASSERT_TRUE(stored::SoilFitTakes(sounding));
    const analysis::Sounding schlumberger = stored::SoundingOf(sounding);
    ASSERT_EQ(schlumberger.size(), 2u);
    EXPECT_EQ(schlumberger[1].array, analysis::SoundingArray::Schlumberger);
    EXPECT_EQ(schlumberger[1].mn2, 1);
    EXPECT_DOUBLE_EQ(schlumberger[1].apparentResistivity, std::numbers::pi * 0.5 * 99 / 2);
    // One kept before MN/2 was asked for cannot be modelled.
    sounding.points[1].mn2 = 0;
    EXPECT_FALSE(stored::SoilFitTakes(sounding));
}

// Types a Schlumberger row as a person does, AB/2, MN/2 and the reading in turn.
void TypeSchlumbergerRows(TypedReadingsTable& table, const std::vector<std::array<double, 3>>& rows) {
    while (table.Table().rowCount() < static_cast<int>(rows.size()))
        QTest::mouseClick(&table.AddButton(), Qt::LeftButton);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TypeInto(table.Where(static_cast<int>(i)), QString::number(rows[i][0]));
        TypeInto(table.Middle(static_cast<int>(i)), QString::number(rows[i][1]));
        TypeInto(table.Value(static_cast<int>(i)), QString::number(rows[i][2]));
    }
}

// Apparent resistivities over a two-layer ground (250 and 40 ohm-m, the interface 3 m down) with AB/2 from
// 1 m to 40 m and MN/2 widened twice, to four digits.
TEST_F(TypedSeriesWindowTest, ASchlumbergerSoundingTypedInIsFittedToItsGround) {
    SoilWindow window(archive_.get(), {}, Site());
    window.show();
    window.LayerChoice().setCurrentText(QStringLiteral("2"));
    window.Source().TypedPanel().Array().setCurrentIndex(1);
    TypedReadingsTable& table = window.Source().TypedPanel().Readings();
    ASSERT_TRUE(table.HasMiddle());
    EXPECT_EQ(table.Table().horizontalHeaderItem(0)->text(), QStringLiteral("AB/2 (m)"));
    EXPECT_EQ(table.Table().horizontalHeaderItem(1)->text(), QStringLiteral("MN/2 (m)"));
    EXPECT_EQ(table.Value(0).decimals(), 5);  // a resistance of a few milliohms at the longest spacings
    window.Source().TypedPanel().Quantity().setCurrentIndex(1);
    // A potential electrode on a current one is named by its row before anything is fitted.
    TypeSchlumbergerRows(table, {{1, 0.25, 248.6}, {1.5, 0.25, 245.4}, {2, 2, 239.7}});
    EXPECT_FALSE(window.Fit().Ok());
    EXPECT_EQ(window.Rms().text(), QStringLiteral("Row 3: MN/2 must be below AB/2, 2.00 m."));

    TypeSchlumbergerRows(table, {{1, 0.25, 248.6},
                                 {1.5, 0.25, 245.4},
                                 {2, 0.25, 239.7},
                                 {3, 0.25, 221},
                                 {4, 0.25, 195.3},
                                 {6, 1, 144.2},
                                 {8, 1, 101.8},
                                 {10, 1, 75.48},
                                 {15, 1, 49.76},
                                 {20, 1, 43.82},
                                 {30, 5, 41.43},
                                 {40, 5, 40.73}});
    ASSERT_TRUE(window.Fit().Ok()) << window.Fit().error;
    ASSERT_EQ(window.Fit().layers.size(), 2u);
    EXPECT_NEAR(window.Fit().layers[0].resistivity, 250, 1);
    EXPECT_NEAR(window.Fit().layers[1].resistivity, 40, 0.2);
    EXPECT_NEAR(*window.Fit().layers[0].thickness, 3, 0.02);
    EXPECT_EQ(window.Fit().points[10].mn2, 5);
    // The curve is the Schlumberger model's: through the model's value at each reading's AB/2 and MN/2.
    const plots::SoilPlotData& plot = window.Plot().Data();
    EXPECT_EQ(plot.measured.size(), 12u);
    ASSERT_FALSE(plot.curve.empty());
    const analysis::SoundingPoint eighth = analysis::ReadingAt(plot.measured, 10);
    EXPECT_EQ(eighth.mn2, 1);
    EXPECT_NEAR(analysis::ModelApparentResistivity(window.Fit().model, eighth), window.Fit().points[7].model,
                1e-9);
    // A stored model keeps Wenner spacings, so this one is not stored; the sounding itself is kept.
    EXPECT_FALSE(window.Saving().StoreButton().isEnabled());
    QTest::mouseClick(&window.Source().TypedPanel().KeepButton(), Qt::LeftButton);
    EXPECT_EQ(window.Saving().Status().text(), QStringLiteral("Typed sounding kept with Mast 7"));
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT electrode_array, quantity, (SELECT group_concat(mn2_m) FROM "
                          "typed_sounding_points) FROM typed_soundings"),
              R"([["schlumberger", "resistivity", "0.25,0.25,0.25,0.25,0.25,1.0,1.0,1.0,1.0,1.0,5.0,5.0"]])");

    // One kept before MN/2 was asked for is drawn as it was read, not fitted, and says what it needs.
    archive::TypedSounding old;
    old.array = archive::ElectrodeArray::Schlumberger;
    old.quantity = archive::TypedQuantity::Resistivity;
    old.points = {{1, 95}, {3, 80}, {10, 60}};
    window.Source().TypedPanel().Show(old);
    EXPECT_FALSE(window.Fit().Ok());
    EXPECT_EQ(window.Rms().text(),
              QStringLiteral("The fit models each Schlumberger reading where its electrodes "
                             "stood: type the MN/2 of every reading."));
    EXPECT_EQ(window.Plot().Data().measured.size(), 3u);
    EXPECT_TRUE(window.Plot().Data().curve.empty());
}

}  // namespace
}  // namespace terrovane::engineering

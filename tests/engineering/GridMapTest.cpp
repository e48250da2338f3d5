// The grid safety window computing in the soil model: on a layered model by default, off the window's
// thread, its values beside the formulas', the map of touch and step voltages saved as files, a new edit
// taking over a running computation, and Cancel.
#include <QTemporaryDir>
#include <QTest>

#include <QFileInfo>

#include "GridWindow.h"
#include "SafetyMap.h"
#include "SoilCertainty.h"

namespace terrovane::engineering {
namespace {

constexpr int kDeadlineMs = 120000;

grid::FittedSoil ResistiveBelow() {
    return grid::ExactSoil(analysis::LayeredEarth{{400, 4000}, {2}});
}

// A 30 m x 30 m grid of 4 x 4 conductors: small enough to compute in a moment.
void SmallGrid(GridWindow& window) {
    window.Fields().Conductors().Length().setValue(30);
    window.Fields().Conductors().Width().setValue(30);
    window.Fields().Conductors().ConductorsLengthwise().setValue(4);
    window.Fields().Conductors().ConductorsWidthwise().setValue(4);
}

bool WaitUntilComputed(const GridWindow& window) {
    return QTest::qWaitFor(
        [&] { return !window.InSoil().Computing() && window.Pictures().Computed().has_value(); },
        kDeadlineMs);
}

TEST(GridMapTest, LayeredSoilIsComputedWithTheFormulasBesideAndMapped) {
    GridWindow window(nullptr, std::nullopt, ResistiveBelow());
    EXPECT_TRUE(window.InSoil().ComputeInSoil().isChecked());
    SmallGrid(window);
    ASSERT_TRUE(WaitUntilComputed(window));
    const electrode::ComputedSafety& c = *window.Pictures().Computed();
    ASSERT_TRUE(window.Current());
    const grid::Assessment& a = *window.Current();
    QTableWidget& table = window.Outcome().Results();
    EXPECT_FALSE(table.isColumnHidden(GridOutcome::kSoilColumn));
    const auto row = [&](const QString& name) {
        for (int r = 0; r < table.rowCount(); ++r)
            if (table.verticalHeaderItem(r)->text() == name)
                return r;
        return -1;
    };
    const int resistance = row(QStringLiteral("Grid resistance Rg (Sverak)"));
    ASSERT_GE(resistance, 0);
    EXPECT_EQ(table.item(resistance, GridOutcome::kSoilColumn)->text(),
              QStringLiteral("%1 Ω").arg(c.resistance, 0, 'f', 3));
    EXPECT_EQ(table.item(resistance, 1)->text(), QStringLiteral("%1 Ω").arg(a.gridResistance, 0, 'f', 3));
    EXPECT_EQ(table.item(resistance, GridOutcome::kDifferenceColumn)->text(),
              QStringLiteral("%1 %").arg(100 * (c.resistance / a.gridResistance - 1), 0, 'f', 1));
    EXPECT_EQ(table.item(0, GridOutcome::kSoilColumn)->text(),
              QStringLiteral("%1 V").arg(c.meshTouch.volts, 0, 'f', 1));
    const int reach = row(QStringLiteral("Touch voltage within 1 m"));
    ASSERT_EQ(reach, table.rowCount() - 1);
    EXPECT_EQ(table.item(reach, 0)->text(), QStringLiteral("%1 V").arg(c.touchLimit, 0, 'f', 1));
    EXPECT_EQ(table.item(reach, GridOutcome::kSoilColumn)->text(),
              QStringLiteral("%1 V").arg(c.touch.volts, 0, 'f', 1));
    EXPECT_TRUE(
        window.InSoil().ComputedVerdict().text().startsWith(QStringLiteral("In the soil model: Not safe\n")))
        << window.InSoil().ComputedVerdict().text().toStdString();

    SafetyMap& map = window.Pictures().MapView().Map();
    ASSERT_FALSE(map.Content().Empty());
    EXPECT_EQ(map.Content().Quantity(), MapQuantity::Touch);
    EXPECT_DOUBLE_EQ(map.Content().Limit(), c.touchLimit);
    EXPECT_GT(map.Content().PointsAtOrAboveLimit(), 0);
    EXPECT_GE(map.Content().ScaleTop(), c.touch.volts);
    window.Pictures().MapView().QuantityChoice().setCurrentIndex(1);
    EXPECT_EQ(map.Content().Quantity(), MapQuantity::Step);
    EXPECT_DOUBLE_EQ(map.Content().Limit(), c.stepLimit);
    EXPECT_FALSE(window.InSoil().Computing());  // choosing what the map shows computes nothing again

    QTemporaryDir dir;
    for (const char* name : {"map.png", "map.svg", "map.pdf"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        window.Pictures().MapView().fileChooser = [path] { return path; };
        window.Pictures().MapView().SaveFile();
        EXPECT_GT(QFileInfo(path).size(), 500) << name;
    }

    window.InSoil().ComputeInSoil().setChecked(false);
    EXPECT_FALSE(window.Pictures().Computed());
    EXPECT_TRUE(map.Content().Empty());
    EXPECT_TRUE(table.isColumnHidden(GridOutcome::kSoilColumn));
    EXPECT_EQ(row(QStringLiteral("Touch voltage within 1 m")), -1);
}

// The profile: across the middle of the grid until one is chosen, the map showing its line; typed ends
// and a line dragged across the map choose another without computing the grid again; saved as the map is.
TEST(GridMapTest, TheProfileFollowsTheLineTypedOrDragged) {
    GridWindow window(nullptr, std::nullopt, ResistiveBelow());
    SmallGrid(window);
    window.resize(1000, 640);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(WaitUntilComputed(window));
    const electrode::ComputedSafety& c = *window.Pictures().Computed();
    const std::vector<electrode::ProfilePoint>& points = window.Pictures().ProfileView().Plot().Data().points;
    ASSERT_FALSE(points.empty());
    EXPECT_DOUBLE_EQ(window.Pictures().ProfileView().End(0).value(), -3);
    EXPECT_DOUBLE_EQ(window.Pictures().ProfileView().End(1).value(), 15);
    EXPECT_DOUBLE_EQ(window.Pictures().ProfileView().End(2).value(), 33);
    EXPECT_NEAR(points.back().distance, 36, 1e-9);
    EXPECT_DOUBLE_EQ(window.Pictures().ProfileView().Plot().Data().touchLimit, c.touchLimit);
    ASSERT_TRUE(window.Pictures().MapView().Map().Line());

    window.Pictures().ProfileView().End(3).setValue(30);  // a diagonal to the far corner's edge
    EXPECT_FALSE(window.InSoil().Computing());
    EXPECT_NEAR(window.Pictures().ProfileView().Plot().Data().points.back().at.y, 30, 1e-9);
    EXPECT_NEAR((*window.Pictures().MapView().Map().Line())[1].y, 30, 1e-9);

    window.Pictures().Tabs().setCurrentIndex(1);
    SafetyMap& map = window.Pictures().MapView().Map();
    QCoreApplication::processEvents();
    // The map is drawn from the left, centred up and down, as large as the widget's shorter side allows.
    const int side = std::min(map.width(), map.height());
    const QPoint start(side / 4, map.height() / 2 + side / 8);
    const QPoint end(side / 2, map.height() / 2 - side / 8);
    const std::optional<electrode::Point> from = map.GroundAt(start);
    const std::optional<electrode::Point> to = map.GroundAt(end);
    ASSERT_TRUE(from && to);
    QTest::mousePress(&map, Qt::LeftButton, {}, start);
    QTest::mouseMove(&map, end);
    QTest::mouseRelease(&map, Qt::LeftButton, {}, end);
    EXPECT_NEAR(window.Pictures().ProfileView().End(0).value(), from->x, 0.01);
    EXPECT_NEAR(window.Pictures().ProfileView().End(1).value(), from->y, 0.01);
    EXPECT_NEAR(window.Pictures().ProfileView().End(2).value(), to->x, 0.01);
    EXPECT_NEAR(window.Pictures().ProfileView().End(3).value(), to->y, 0.01);
    EXPECT_GT(to->y, from->y);  // up the screen is up the site plan
    EXPECT_FALSE(window.InSoil().Computing());
    // A click without a drag keeps the line.
    QTest::mouseClick(&map, Qt::LeftButton, {}, start);
    EXPECT_NEAR(window.Pictures().ProfileView().End(2).value(), to->x, 0.01);

    QTemporaryDir dir;
    for (const char* name : {"profile.png", "profile.svg", "profile.pdf"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        window.Pictures().ProfileView().fileChooser = [path] { return path; };
        window.Pictures().ProfileView().SaveFile();
        EXPECT_GT(QFileInfo(path).size(), 500) << name;
    }
}

// An edit while a computation runs stops it and computes the new design; Cancel leaves none shown.
TEST(GridMapTest, AnEditTakesOverAndCancelStops) {
    GridWindow window(nullptr, std::nullopt, ResistiveBelow());
    SmallGrid(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.InSoil().Computation().Running(); }, kDeadlineMs));
    window.Fields().Rods().RodCount().setValue(4);
    ASSERT_TRUE(WaitUntilComputed(window));
    const electrode::ComputedSafety direct =
        electrode::AssessInSoil(window.Design(), ResistiveBelow().model, *window.Current());
    EXPECT_DOUBLE_EQ(window.Pictures().Computed()->resistance, direct.resistance);
    EXPECT_EQ(window.Pictures().Computed()->segments, direct.segments);

    window.Fields().Rods().RodCount().setValue(8);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.InSoil().Computation().Running(); }, kDeadlineMs));
    window.InSoil().CancelButton().click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.InSoil().Computing(); }, kDeadlineMs));
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.Pictures().Computed());
    EXPECT_EQ(window.InSoil().ComputedVerdict().text(), QStringLiteral("Computation cancelled."));

    // A design that cannot be assessed stops the computation of the last one that could.
    window.Fields().Rods().RodCount().setValue(4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.InSoil().Computation().Running(); }, kDeadlineMs));
    window.Fields().Conductors().Length().setValue(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.InSoil().Computing(); }, kDeadlineMs));
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.Pictures().Computed());
    EXPECT_TRUE(window.InSoil().ComputedVerdict().text().isEmpty());
    EXPECT_TRUE(window.Pictures().MapView().Map().Content().Empty());
}

TEST(GridMapTest, UniformSoilIsComputedOnlyWhenAsked) {
    GridWindow window(nullptr, std::nullopt, grid::ExactSoil(analysis::LayeredEarth{{400}, {}}));
    EXPECT_FALSE(window.InSoil().ComputeInSoil().isChecked());
    EXPECT_FALSE(window.InSoil().Computing());
    EXPECT_TRUE(window.Outcome().Results().isColumnHidden(GridOutcome::kSoilColumn));
}

// The legend's colours run from blue for nothing to red for the scale's top; the scale reaches a quarter
// above the limit even where every value lies below it.
TEST(GridMapTest, TheScaleAlwaysHoldsTheLimit) {
    EXPECT_EQ(SafetyMap::ColourOf(0).hue(), 240);
    EXPECT_EQ(SafetyMap::ColourOf(1).hue(), 0);
    electrode::SafetyRaster raster;
    raster.potential.area = {0, 0, 1, 1};
    raster.potential.nx = 2;
    raster.potential.ny = 2;
    raster.potential.values = {0, 0, 0, 0};
    raster.spacing = 1;
    raster.touch = {10, 20, std::nan(""), 40};
    raster.step = {1, 2, 3, 4};
    SafetyMap map;
    map.SetRaster(raster, 100, 3, {});
    EXPECT_DOUBLE_EQ(map.Content().ScaleTop(), 125);
    EXPECT_EQ(map.Content().PointsAtOrAboveLimit(), 0);
    map.SetQuantity(MapQuantity::Step);
    EXPECT_DOUBLE_EQ(map.Content().ScaleTop(), 4);
    EXPECT_EQ(map.Content().PointsAtOrAboveLimit(), 2);
}

}  // namespace
}  // namespace terrovane::engineering

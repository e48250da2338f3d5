// Plot axes and the geometry of the soil and fall-of-potential plots.
#include <gtest/gtest.h>

#include <cmath>

#include "FopPlotGeometry.h"
#include "PlotPainting.h"
#include "SoilPlotGeometry.h"

namespace terrovane::plots {
namespace {

TEST(PlotAxesTest, LogAxesEndOnRoundValuesOutsideTheDataWithDecadeTicks) {
    const PlotAxis narrow = LogAxis(1.3, 38);
    EXPECT_DOUBLE_EQ(narrow.low, 1);
    EXPECT_DOUBLE_EQ(narrow.high, 50);
    EXPECT_EQ(narrow.ticks, (std::vector<double>{1, 2, 5, 10, 20, 50}));
    const PlotAxis wide = LogAxis(0.03, 4000);  // five decades: only the decades are labelled
    EXPECT_DOUBLE_EQ(wide.low, 0.02);
    EXPECT_DOUBLE_EQ(wide.high, 5000);
    EXPECT_EQ(wide.ticks.size(), 5u);
    EXPECT_DOUBLE_EQ(wide.ticks.front(), 0.1);
    const PlotAxis single = LogAxis(20, 20);  // one value still gives an axis with room around it
    EXPECT_LT(single.low, single.high);
    const PlotAxis nothing = LogAxis(HUGE_VAL, 0);  // no positive values at all
    EXPECT_LT(nothing.low, nothing.high);
    EXPECT_NEAR(LogFraction(narrow, std::sqrt(50.0)), 0.5, 1e-12);
}

TEST(PlotAxesTest, LinearAxesStepRoundly) {
    const PlotAxis axis = LinearAxis(0, 7.3, 6);
    EXPECT_DOUBLE_EQ(axis.low, 0);
    EXPECT_DOUBLE_EQ(axis.high, 8);
    EXPECT_EQ(axis.ticks, (std::vector<double>{0, 2, 4, 6, 8}));
    const PlotAxis flat = LinearAxis(3, 3, 5);
    EXPECT_LT(flat.low, 3);
    EXPECT_GT(flat.high, 3);
}

TEST(SoilPlotGeometryTest, TheBandWidensWithTheCovarianceAndVanishesWithoutOne) {
    const analysis::LayeredEarth earth{{100, 20}, {3}};
    EXPECT_DOUBLE_EQ(LogSigmaAt(earth, {}, 5), 0);
    // Only the top layer's resistivity uncertain (10 % in ln): the band is 10 % where the top layer rules
    // and narrows where the bottom one does.
    std::vector<double> covariance(9, 0.0);
    covariance[0] = 0.01;
    EXPECT_NEAR(LogSigmaAt(earth, covariance, 0.05), 0.1, 0.002);
    EXPECT_LT(LogSigmaAt(earth, covariance, 100), 0.02);
    const std::vector<SoilCurvePoint> curve = SoilCurve(earth, covariance, 0.5, 50, 20);
    ASSERT_EQ(curve.size(), 20u);
    EXPECT_DOUBLE_EQ(curve.front().spacing, 0.5);
    EXPECT_NEAR(curve.back().spacing, 50, 1e-9);
    for (const SoilCurvePoint& point : curve) {
        EXPECT_LE(point.low, point.model);
        EXPECT_GE(point.high, point.model);
    }
    EXPECT_TRUE(SoilCurve({{100}, {}}, {}, 5, 1).empty());  // a span the wrong way round draws nothing
}

TEST(SoilPlotGeometryTest, PointsAndBandFitInsideThePlot) {
    const analysis::Sounding sounding{{1, 130}, {3, 95}, {10, 40}, {30, 22}};
    const std::vector<SoilCurvePoint> curve{{0.7, 140, 120, 180}, {45, 20, 12, 25}};
    const QRectF plot(50, 10, 400, 300);
    const SoilPlotLayout layout = LayoutSoilPlot(sounding, curve, plot);
    for (const auto& point : sounding)
        EXPECT_TRUE(plot.contains(MapSoil(layout, point.spacing, point.apparentResistivity)));
    EXPECT_TRUE(plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(MapSoil(layout, 45, 12)));
    EXPECT_TRUE(plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(MapSoil(layout, 0.7, 180)));
    EXPECT_DOUBLE_EQ(MapSoil(layout, layout.spacing.low, layout.resistivity.low).x(), plot.left());
    EXPECT_DOUBLE_EQ(MapSoil(layout, layout.spacing.low, layout.resistivity.low).y(), plot.bottom());
    const auto [first, last] = CurveSpan(sounding);
    EXPECT_LT(first, 1);
    EXPECT_GT(last, 30);
}

// The legend takes the first corner the data leaves free (top right, top left, bottom right, bottom left),
// and none where the data reaches every corner.
TEST(SoilPlotGeometryTest, TheLegendTakesAFreeCornerOrNone) {
    const QRectF plot(0, 0, 400, 300);
    const QSizeF legend(120, 50);
    const QRectF topRight(380, 10, 8, 8);
    const QRectF topLeft(20, 20, 8, 8);
    const QRectF bottomRight(390, 280, 8, 8);
    const QRectF bottomLeft(10, 290, 8, 8);
    EXPECT_EQ(FreeLegendCorner(plot, legend, 5, {}), QRectF(QPointF(275, 5), legend));
    EXPECT_EQ(FreeLegendCorner(plot, legend, 5, {topRight}), QRectF(QPointF(5, 5), legend));
    EXPECT_EQ(FreeLegendCorner(plot, legend, 5, {topRight, topLeft}), QRectF(QPointF(275, 245), legend));
    EXPECT_EQ(FreeLegendCorner(plot, legend, 5, {topRight, topLeft, bottomRight}),
              QRectF(QPointF(5, 245), legend));
    EXPECT_FALSE(FreeLegendCorner(plot, legend, 5, {topRight, topLeft, bottomRight, bottomLeft}).has_value());
}

// What the legend must not cover: each point, and the band from its upper to its lower edge where it is
// drawn (else the curve alone).
TEST(SoilPlotGeometryTest, TheMarksCoverThePointsAndTheBand) {
    const analysis::Sounding sounding{{1, 130}, {10, 40}};
    const std::vector<SoilCurvePoint> curve{{0.7, 140, 100, 200}, {20, 30, 20, 45}};
    const SoilPlotLayout layout = LayoutSoilPlot(sounding, curve, QRectF(0, 0, 400, 300));
    const std::vector<QRectF> withBand = SoilPlotMarks(layout, sounding, curve, true, 3);
    ASSERT_EQ(withBand.size(), 4u);
    EXPECT_TRUE(withBand[0].contains(MapSoil(layout, 1, 130)));
    EXPECT_TRUE(withBand[2].contains(MapSoil(layout, 0.7, 100)));
    EXPECT_TRUE(withBand[2].contains(MapSoil(layout, 0.7, 200)));
    const std::vector<QRectF> curveOnly = SoilPlotMarks(layout, sounding, curve, false, 3);
    EXPECT_FALSE(curveOnly[2].contains(MapSoil(layout, 0.7, 200)));
    EXPECT_TRUE(curveOnly[2].contains(MapSoil(layout, 0.7, 140)));
}

TEST(FopPlotGeometryTest, EvenDistancesAndThePlateauBand) {
    const std::vector<double> nine = EvenDistances(9, 50);
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_DOUBLE_EQ(nine[0], 5);
    EXPECT_DOUBLE_EQ(nine[1], 10);  // 20 %, 40 % and 60 % for the slope method
    EXPECT_DOUBLE_EQ(nine[3], 20);
    EXPECT_DOUBLE_EQ(nine[5], 30);
    EXPECT_EQ(EvenDistances(3, 10), (std::vector<double>{2.5, 5, 7.5}));
    EXPECT_EQ(EvenDistances(7, 1).at(0), 0.13);  // to the centimetre

    const std::vector<analysis::FopReading> readings{{10, 4}, {30, 9.6}, {40, 12}};
    const QRectF plot(0, 0, 500, 300);
    const FopPlotLayout layout = LayoutFopPlot(readings, 50, 10.0, plot);
    EXPECT_DOUBLE_EQ(layout.resistance.low, 0);
    EXPECT_GE(layout.resistance.high, 12);
    EXPECT_DOUBLE_EQ(MapFop(layout, 50, 0).x(), plot.right());
    const QRectF band = PlateauBand(layout, 10.0);
    EXPECT_NEAR(band.left(), 0.52 * 500, 1e-9);
    EXPECT_NEAR(band.right(), 0.72 * 500, 1e-9);
    EXPECT_NEAR(band.top(), MapFop(layout, 0, 10.5).y(), 1e-9);
    EXPECT_NEAR(band.bottom(), MapFop(layout, 0, 9.5).y(), 1e-9);
}

// A potential probe set beyond the current probe, or a reading below zero, still lands inside the frame.
TEST(FopPlotGeometryTest, TheAxesCoverEveryReading) {
    const std::vector<analysis::FopReading> readings{{10, -0.5}, {30, 9.6}, {65, 14}};
    const QRectF plot(20, 10, 500, 300);
    const FopPlotLayout layout = LayoutFopPlot(readings, 50, std::nullopt, plot);
    for (const analysis::FopReading& reading : readings) {
        const QPointF at = MapFop(layout, reading.distance, reading.resistance);
        EXPECT_TRUE(plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(at)) << reading.distance;
    }
    EXPECT_LE(layout.resistance.low, -0.5);
    EXPECT_GE(layout.fraction.high, 1.3);
}

// Ticks read in the window's notation on screen, and with the point in files and the site report.
TEST(PlotTicksTest, TheNotationIsTheOneAskedFor) {
    EXPECT_EQ(TickText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(TickText(0.5, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("0,5"));
    EXPECT_EQ(TickText(2000, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("2000"));
}

}  // namespace
}  // namespace terrovane::plots

// The trend's samples and the geometry the chart paints from.
#include <QDate>
#include <QSet>
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "Sites.h"
#include "TrendChart.h"
#include "TrendData.h"
#include "TrendGeometry.h"
#include "TrendWindow.h"

namespace terrovane::history {
namespace {

using archive::testing::MakeResult;

archive::ResultRow Row(std::int64_t id, const record::MeasurementRecord& record) {
    archive::ResultRow row;
    row.id = id;
    record.ToPacket(row.packet);
    row.packet[record::RecordPacket::kValidMarkOffset] = 'U';
    return row;
}

TEST(TrendDataTest, DaysCountFromTheEpochWithTheTimeAsFraction) {
    EXPECT_EQ(DayNumber("1970-01-02", "12:00:00"), 1.5);
    EXPECT_EQ(DayNumber("2009-01-23", ""), 14267.0);
    EXPECT_FALSE(DayNumber("2009-02-30", "00:00:00"));  // no such day
    EXPECT_FALSE(DayNumber("20-01-23", "00:00:00"));
    EXPECT_FALSE(DayNumber("2009-1A-23", "00:00:00"));
}

TEST(TrendDataTest, FollowsTheMainQuantityOfTheLabelsModeAndSkipsMissingReadings) {
    auto invalid = MakeResult(1, 4, 0, -1.0f);  // a failed reading
    auto mode6 = MakeResult(6, 2, 0, 40.0f);
    const std::vector<archive::ResultRow> rows = {Row(1, MakeResult(1, 9, 0, 12.0f)),
                                                  Row(2, MakeResult(2, 3, 0, 8.5f)), Row(3, invalid),
                                                  Row(4, mode6)};
    EXPECT_EQ(TrendQuantity(rows), format::Quantity::Re);
    const TrendSeries re = BuildTrend(rows, format::Quantity::Re);
    EXPECT_EQ(re.title, "Re (Ω)");
    ASSERT_EQ(re.samples.size(), 2u);
    EXPECT_EQ(re.samples[0].id, 2);  // the 3rd before the 9th
    EXPECT_EQ(re.samples[0].value, 8.5);
    EXPECT_EQ(re.samples[0].when, "2009-01-03 10:00:00");
    EXPECT_EQ(BuildTrend(rows, format::Quantity::Rac).samples.size(), 1u);
    EXPECT_FALSE(TrendQuantity({}));
}

TEST(TrendGeometryTest, AxesRunBetweenRoundTicksAndPointsMapInsideThePlot) {
    const TrendAxis axis = NiceAxis(3.2, 47.0, 5);
    EXPECT_EQ(axis.low, 0);
    EXPECT_EQ(axis.high, 50);
    EXPECT_EQ(axis.ticks, (std::vector<double>{0, 10, 20, 30, 40, 50}));
    const TrendAxis single = NiceAxis(12, 12, 5);
    EXPECT_LT(single.low, 12);
    EXPECT_GT(single.high, 12);

    const std::vector<TrendSample> samples = {{100.0, 10.0, "", 1}, {110.0, 40.0, "", 2}};
    const TrendLayout layout = LayoutTrend(samples, QRectF(50, 10, 400, 200));
    EXPECT_EQ(layout.y.low, 0);  // resistances start at zero
    ASSERT_EQ(layout.points.size(), 2u);
    for (const QPointF& point : layout.points) {
        EXPECT_TRUE(layout.plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(point))
            << point.x() << "," << point.y();
    }
    EXPECT_LT(layout.points[0].x(), layout.points[1].x());
    EXPECT_GT(layout.points[0].y(), layout.points[1].y());  // the larger value is higher up
    EXPECT_EQ(PointNear(layout.points, layout.points[1] + QPointF(3, -3), 8), 1);
    EXPECT_EQ(PointNear(layout.points, layout.points[1] + QPointF(30, 0), 8), -1);
    EXPECT_TRUE(LayoutTrend({}, QRectF(0, 0, 10, 10)).points.empty());
}

TEST(TrendGeometryTest, DateTicksFallOnTheFirstOfMonthsWithinTheData) {
    const double first = *DayNumber("2021-01-03", "09:15:00");
    const double last = *DayNumber("2023-10-03", "09:15:00");
    const TrendAxis axis = DayAxis(first, last, 6);
    EXPECT_LT(axis.low, first);
    EXPECT_GT(axis.high, last);
    ASSERT_FALSE(axis.ticks.empty());
    EXPECT_LE(axis.ticks.size(), 6u);
    for (double tick : axis.ticks) {
        const QDate date = QDate(1970, 1, 1).addDays(static_cast<qint64>(tick));
        EXPECT_EQ(date.day(), 1) << date.toString().toStdString();
        EXPECT_TRUE(tick >= axis.low && tick <= axis.high);
    }
    EXPECT_EQ(QDate(1970, 1, 1).addDays(static_cast<qint64>(axis.ticks[0])), QDate(2021, 1, 1));
    // A few days: round day counts.
    const TrendAxis days = DayAxis(100.2, 103.9, 6);
    EXPECT_GE(days.ticks.size(), 2u);
}

TEST(TrendGeometryTest, EveryTickOfTheTimeAxisReadsDifferently) {
    // A morning's campaign: ticks on round times, the date once.
    const double first = *DayNumber("2024-05-17", "09:03:00");
    const double last = *DayNumber("2024-05-17", "11:48:00");
    const TrendAxis morning = DayAxis(first, last, 6);
    const QStringList labels = DayAxisLabels(morning);
    ASSERT_GE(labels.size(), 3);
    EXPECT_LE(labels.size(), 6);
    EXPECT_EQ(labels.front(), QStringLiteral("2024-05-17 09:00"));
    EXPECT_EQ(labels[1], QStringLiteral("09:30"));
    EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
    // Across midnight the new date is written again.
    const QStringList night =
        DayAxisLabels(DayAxis(*DayNumber("2024-05-17", "22:10:00"), *DayNumber("2024-05-18", "01:50:00"), 6));
    EXPECT_TRUE(night.contains(QStringLiteral("2024-05-18 00:00")))
        << night.join(QLatin1Char('|')).toStdString();
    // One reading alone still gets an axis of distinct times around it.
    const QStringList one = DayAxisLabels(DayAxis(first, first, 6));
    EXPECT_GE(one.size(), 2);
    EXPECT_EQ(QSet<QString>(one.begin(), one.end()).size(), one.size());
    // Days apart: dates, each once.
    const QStringList days = DayAxisLabels(DayAxis(100.2, 103.9, 6));
    EXPECT_EQ(QSet<QString>(days.begin(), days.end()).size(), days.size());
    EXPECT_EQ(days.front().size(), 10);
}

TEST(TrendGeometryTest, TheValueAxisReachesTheLimit) {
    const std::vector<TrendSample> samples = {{100, 2.0, "", 1}, {101, 3.0, "", 2}};
    const TrendLayout plain = LayoutTrend(samples, QRectF(0, 0, 400, 200));
    EXPECT_LT(plain.y.high, 10);
    const TrendLayout limited = LayoutTrend(samples, QRectF(0, 0, 400, 200), 10.0);
    EXPECT_GE(limited.y.high, 10);
    EXPECT_GE(MapY(limited, 10), 0);
}

TEST(TrendChartTest, TheValueOfThePointUnderTheMouseIsShown) {
    TrendChart chart;
    chart.resize(640, 360);
    TrendSeries series;
    series.title = "Re (Ω)";
    series.samples = {{14267.4, 12.5, "2009-01-23 10:00:00", 7}, {14270.0, 9.25, "2009-01-26 00:00:00", 8}};
    chart.SetSeries(series);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const QPoint at = chart.Layout().points[0].toPoint();
    QTest::mouseMove(&chart, at + QPoint(2, 1));
    EXPECT_EQ(chart.HoveredIndex(), 0);
    EXPECT_EQ(chart.HoverText(), QStringLiteral("2009-01-23 10:00:00\nRe (Ω) = 12.5"));
    QTest::mouseMove(&chart, QPoint(5, 5));
    EXPECT_EQ(chart.HoveredIndex(), -1);
    EXPECT_EQ(TrendNumber(2500000), QStringLiteral("2.5e+06"));
}

// One 150 kohm reading beside 10 ohm values: past two decades the axis turns logarithmic by itself, so the
// small values and the limit keep their height; it can be switched either way; zero never goes on a log axis.
TEST(TrendGeometryTest, AWideSpreadOfValuesGetsALogarithmicAxisWithTheLimitInside) {
    const std::vector<TrendSample> samples = {
        {100.0, 8.0, "", 1}, {130.0, 150000.0, "", 2}, {160.0, 9.5, "", 3}};
    const QRectF plot(50, 10, 400, 300);
    EXPECT_TRUE(WantsLogAxis(samples, 10.0));
    const TrendLayout log = LayoutTrend(samples, plot, 10.0);
    ASSERT_TRUE(log.logarithmic);
    EXPECT_EQ(log.y.low, 1);
    EXPECT_EQ(log.y.high, 1e6);
    const double limitY = MapY(log, 10.0);
    EXPECT_LT(limitY, plot.bottom() - plot.height() / 10);  // well clear of the foot
    EXPECT_GT(limitY, plot.top());
    EXPECT_GT(log.points[0].y() - log.points[2].y(), 1);  // 8 and 9.5 apart
    const TrendLayout linear = LayoutTrend(samples, plot, 10.0, false);
    EXPECT_FALSE(linear.logarithmic);
    EXPECT_LT(plot.bottom() - MapY(linear, 10.0), 1);  // flattened onto the axis: why log is chosen

    const std::vector<TrendSample> withZero = {{100.0, 0.0, "", 1}, {130.0, 5000.0, "", 2}};
    EXPECT_FALSE(WantsLogAxis(withZero, std::nullopt));
    EXPECT_FALSE(LayoutTrend(withZero, plot, std::nullopt, true).logarithmic);
    // A limit far above every reading is still drawn inside.
    const std::vector<TrendSample> small = {{100.0, 1.0, "", 1}, {130.0, 2.0, "", 2}};
    const TrendLayout high = LayoutTrend(small, plot, 500.0);
    EXPECT_GE(MapY(high, 500.0), plot.top() - 1e-9);
}

TEST(TrendGeometryTest, ResultsOfOneDayStandSideBySideInTheOrderOfMeasuring) {
    const std::vector<TrendSample> samples = {
        {100.30, 10.0, "", 1}, {100.31, 10.0, "", 2}, {100.32, 10.0, "", 3}, {140.5, 12.0, "", 4}};
    const QRectF plot(50, 10, 400, 300);
    const TrendLayout layout = LayoutTrend(samples, plot);
    EXPECT_GE(layout.points[1].x() - layout.points[0].x(), 6);
    EXPECT_GE(layout.points[2].x() - layout.points[1].x(), 6);
    for (const QPointF& point : layout.points) {
        EXPECT_TRUE(plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(point));
    }
    // Within one day the time axis parts them by their time of day already.
    const TrendLayout oneDay = LayoutTrend({samples[0], samples[1]}, plot);
    EXPECT_NEAR(oneDay.points[1].x() - oneDay.points[0].x(), MapX(oneDay, 100.31) - MapX(oneDay, 100.30),
                1e-9);
}

class TrendWindowTest : public archive::testing::ArchiveTest {};

// The archive window's Trend follows the test point chosen in the tree, with its limit; the axis turns
// logarithmic for a stray 150 kohm reading and the check box switches it back.
TEST_F(TrendWindowTest, FollowsTheChosenTestPointOnAnAxisThatSuitsItsValues) {
    auto archive = OpenArchive();
    std::string error;
    ASSERT_TRUE(StoreImage(*archive, archive::testing::ImageWith({{0, MakeResult(1, 3, 0, 8.0f)},
                                                                  {1, MakeResult(1, 4, 0, 150000.0f)},
                                                                  {2, MakeResult(1, 5, 0, 9.0f)},
                                                                  {3, MakeResult(1, 6, 0, 50.0f)}}))
                    .stored);
    archive::SiteFields site;
    site.name = "Hill";
    site.limit = archive::Limit{10, "client specification"};
    std::int64_t siteId = 0;
    ASSERT_TRUE(archive::AddSite(*archive, site, siteId, error)) << error;
    std::int64_t rod = 0;
    std::int64_t other = 0;
    archive::PointFields point;
    point.name = "Rod";
    ASSERT_TRUE(archive::AddPoint(*archive, siteId, point, rod, error)) << error;
    point.name = "Other";
    ASSERT_TRUE(archive::AddPoint(*archive, siteId, point, other, error)) << error;
    ASSERT_TRUE(archive::Assign(*archive, {1, 2, 3}, rod, error)) << error;
    ASSERT_TRUE(archive::Assign(*archive, {4}, other, error)) << error;

    HistoryWindow window(archive.get(), QString());
    ASSERT_TRUE(window.Tree().Choose({TreeChoice::Kind::Point, rod}));
    auto* trend = dynamic_cast<TrendWindow*>(window.Results().ShowTrend());
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(trend->ByChoice().currentText(), QStringLiteral("Test point"));
    EXPECT_EQ(trend->LabelChoice().currentText(), QStringLiteral("Hill / Rod"));
    const TrendSeries& series = trend->Chart().Series();
    ASSERT_EQ(series.samples.size(), 3u);
    ASSERT_TRUE(series.limit);
    EXPECT_EQ(series.limit->ohms, 10);
    EXPECT_TRUE(trend->LogAxis().isChecked());
    EXPECT_TRUE(trend->Chart().Logarithmic());
    trend->LogAxis().click();
    EXPECT_FALSE(trend->Chart().Logarithmic());
    trend->LabelChoice().setCurrentText(QStringLiteral("Hill / Other"));
    EXPECT_EQ(trend->Chart().Series().samples.size(), 1u);
    EXPECT_FALSE(trend->LogAxis().isChecked());
    trend->close();
}

// A ">300k" reading between two small ones: the list shows the instrument's text, the trend a marker on the
// top edge at its date with that text, never a point at a height, and the axis stays where the numbers are.
TEST_F(TrendWindowTest, AnOverRangeReadingIsAMarkerWithItsBoundNeverANumber) {
    auto archive = OpenArchive();
    std::string error;
    ASSERT_TRUE(StoreImage(*archive, archive::testing::ImageWith({{0, MakeResult(1, 3, 0, 8.0f)},
                                                                  {1, MakeResult(1, 4, 0, 350000.0f)},
                                                                  {2, MakeResult(1, 5, 0, 9.0f)},
                                                                  {3, MakeResult(1, 6, 0, -1.0f)}}))
                    .stored);
    archive::SiteFields site;
    site.name = "Hill";
    std::int64_t siteId = 0;
    ASSERT_TRUE(archive::AddSite(*archive, site, siteId, error)) << error;
    std::int64_t rod = 0;
    archive::PointFields point;
    point.name = "Rod";
    ASSERT_TRUE(archive::AddPoint(*archive, siteId, point, rod, error)) << error;
    ASSERT_TRUE(archive::Assign(*archive, {1, 2, 3, 4}, rod, error)) << error;

    HistoryWindow window(archive.get(), QString());
    ASSERT_TRUE(window.Tree().Choose({TreeChoice::Kind::Point, rod}));
    // The value column and the Re cell of the workbook's columns, as the instrument showed it.
    QStringList values;
    QStringList reCells;
    for (int row = 0; row < window.Model().rowCount(); ++row) {
        values << window.Model().index(row, kValueColumn).data().toString();
        reCells << window.Model().index(row, kFirstCellColumn + 2).data().toString();
    }
    EXPECT_TRUE(values.contains(QString::fromUtf8("> 300 kΩ")))
        << values.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(reCells.contains(QStringLiteral(">300k"))) << reCells.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE((values + reCells).join(QLatin1Char('|')).contains(QStringLiteral("350")));

    auto* trend = dynamic_cast<TrendWindow*>(window.Results().ShowTrend());
    ASSERT_NE(trend, nullptr);
    TrendChart& chart = trend->Chart();
    const TrendSeries& series = chart.Series();
    ASSERT_EQ(series.samples.size(), 2u);
    ASSERT_EQ(series.overRange.size(), 1u);
    EXPECT_EQ(OverRangeShown(series, series.overRange[0]), "> 300 kΩ");
    EXPECT_EQ(series.overRange[0].when, "2009-01-04 10:00:00");
    EXPECT_EQ(series.leftOut, 1);  // the failed reading
    const TrendLayout& layout = chart.Layout();
    ASSERT_EQ(layout.overRangePoints.size(), 1u);
    EXPECT_EQ(LayoutTrend(series.samples, layout.plot, std::nullopt, std::nullopt, series.overRange)
                  .overRangePoints[0]
                  .y(),
              layout.plot.top());
    // In the chart, in the band above the plot: clear of every measured point and of the limit's line.
    EXPECT_LT(layout.overRangePoints[0].y(), layout.plot.top());
    EXPECT_GT(layout.overRangePoints[0].y(), 0);
    EXPECT_NEAR(layout.overRangePoints[0].x(), MapX(layout, series.overRange[0].day), 1e-9);
    // Between its neighbours in time; the value axis is the measured ones', not stretched to the bound.
    EXPECT_GT(layout.overRangePoints[0].x(), layout.points[0].x());
    EXPECT_LT(layout.overRangePoints[0].x(), layout.points[1].x());
    EXPECT_FALSE(chart.Logarithmic());
    EXPECT_LE(layout.y.high, 20);
    const QString status = trend->Status().text();
    EXPECT_TRUE(status.contains(QStringLiteral("2 of 4 results"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("1 over range"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("1 left out"))) << status.toStdString();

    chart.resize(640, 360);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QTest::mouseMove(&chart, chart.Layout().overRangePoints[0].toPoint() + QPoint(1, 2));
    EXPECT_EQ(chart.HoveredIndex(), 2);
    EXPECT_EQ(chart.HoverText(), QString::fromUtf8("2009-01-04 10:00:00\nRe (Ω) > 300 kΩ"));
    trend->close();
}

}  // namespace
}  // namespace terrovane::history

#include "FopPlotPainting.h"

#include <QCoreApplication>
#include <QPainterPath>

#include <algorithm>

#include "PlotPainting.h"

namespace terrovane::plots {
namespace {

const QColor kPredicted(0xd9, 0x7a, 0x00);

void PaintPrediction(QPainter& painter, const FopPlotLayout& layout, const FopPlotData& data,
                     const QFontMetricsF& metrics) {
    if (data.predicted.empty())
        return;
    QPainterPath path;
    path.moveTo(MapFop(layout, data.predicted.front().distance, data.predicted.front().resistance));
    for (const analysis::FopReading& point : data.predicted)
        path.lineTo(MapFop(layout, point.distance, point.resistance));
    painter.strokePath(path, QPen(kPredicted, 2 * PenUnit(painter), Qt::DashLine));
    if (!data.predictedTrueFraction)
        return;
    const double x = MapFop(layout, *data.predictedTrueFraction * layout.currentProbe, 0).x();
    painter.setPen(QPen(kPredicted, 1.2 * PenUnit(painter), Qt::DotLine));
    painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
    painter.setPen(kPredicted.darker(130));
    painter.drawText(QPointF(x + 4, layout.plot.top() + 2 * metrics.height() + 2),
                     QCoreApplication::translate("Plots", "model: %1 %")
                         .arg(TickText(100 * *data.predictedTrueFraction, data.numbers)));
}

}  // namespace

void PaintFopPlot(QPainter& painter, const QRectF& area, const FopPlotData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const QRectF plot = PlotArea(area, metrics);
    std::vector<analysis::FopReading> everything = data.readings;
    everything.insert(everything.end(), data.predicted.begin(), data.predicted.end());
    const FopPlotLayout layout = LayoutFopPlot(everything, data.currentProbe, data.resistanceAt618, plot);
    PaintAxes(
        painter, plot, layout.fraction, layout.resistance,
        [&](double f) { return MapFop(layout, f * layout.currentProbe, 0).x(); },
        [&](double r) { return MapFop(layout, 0, r).y(); },
        QCoreApplication::translate("Plots", "Potential probe x / D"),
        QCoreApplication::translate("Plots", "Resistance (Ω)"), data.numbers);
    if (data.resistanceAt618) {
        painter.fillRect(PlateauBand(layout, *data.resistanceAt618), QColor(0x2e, 0x8b, 0x57, 0x40));
        const QPointF mark =
            MapFop(layout, analysis::kTrueFraction * layout.currentProbe, *data.resistanceAt618);
        painter.setPen(QPen(QColor(0x2e, 0x8b, 0x57), 1.2 * PenUnit(painter), Qt::DashLine));
        painter.drawLine(QPointF(mark.x(), plot.top()), QPointF(mark.x(), plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(mark.x() + 4, plot.top() + metrics.ascent() + 2),
                         QCoreApplication::translate("Plots", "61.8 %: %1 Ω")
                             .arg(TickText(*data.resistanceAt618, data.numbers)));
    }
    painter.setClipRect(
        plot.adjusted(-metrics.height(), -metrics.height(), metrics.height(), metrics.height()));
    PaintPrediction(painter, layout, data, metrics);
    std::vector<analysis::FopReading> sorted = data.readings;
    std::sort(sorted.begin(), sorted.end(), [](const analysis::FopReading& a, const analysis::FopReading& b) {
        return a.distance < b.distance;
    });
    if (!sorted.empty()) {
        QPainterPath path;
        path.moveTo(MapFop(layout, sorted.front().distance, sorted.front().resistance));
        for (const analysis::FopReading& reading : sorted)
            path.lineTo(MapFop(layout, reading.distance, reading.resistance));
        painter.strokePath(path, QPen(QColor(0x1f, 0x5f, 0xa8), 2 * PenUnit(painter)));
    }
    const double radius = metrics.height() * 0.25;
    painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.5 * PenUnit(painter)));
    painter.setBrush(Qt::white);
    for (const analysis::FopReading& reading : sorted)
        painter.drawEllipse(MapFop(layout, reading.distance, reading.resistance), radius, radius);
    painter.restore();
}

}  // namespace terrovane::plots

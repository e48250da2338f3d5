#include "SoilPlotPainting.h"

#include <QCoreApplication>
#include <QPainterPath>

#include <algorithm>
#include <optional>

#include "PlotPainting.h"
#include "SoilPlotGeometry.h"

namespace terrovane::plots {
namespace {

const QColor kCurve(0x1f, 0x5f, 0xa8);
const QColor kBand(0x1f, 0x5f, 0xa8, 0x38);
const QColor kMeasured(0xc0, 0x39, 0x2b);

// The legend's rows: a symbol of 1.6 lines' width beside each text, a row every 1.2 lines.
QSizeF LegendSize(const QFontMetricsF& metrics, bool band) {
    const double line = metrics.height();
    double text = std::max(metrics.horizontalAdvance(QCoreApplication::translate("Plots", "Measured")),
                           metrics.horizontalAdvance(QCoreApplication::translate("Plots", "Model")));
    if (band)
        text = std::max(text,
                        metrics.horizontalAdvance(QCoreApplication::translate("Plots", "Model ± one sigma")));
    return {line * 1.6 + text, line * (band ? 3.4 : 2.2)};
}

void PaintLegend(QPainter& painter, const QPointF& topLeft, bool band) {
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    QPointF at = topLeft;
    painter.setPen(QPen(kMeasured, 1.5 * PenUnit(painter)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at + QPointF(line * 0.6, line * 0.5), line * 0.25, line * 0.25);
    painter.setPen(Qt::black);
    painter.drawText(at + QPointF(line * 1.6, metrics.ascent()),
                     QCoreApplication::translate("Plots", "Measured"));
    at.ry() += line * 1.2;
    painter.setPen(QPen(kCurve, 2 * PenUnit(painter)));
    painter.drawLine(at + QPointF(0, line * 0.5), at + QPointF(line * 1.2, line * 0.5));
    painter.setPen(Qt::black);
    painter.drawText(at + QPointF(line * 1.6, metrics.ascent()),
                     QCoreApplication::translate("Plots", "Model"));
    if (!band)
        return;
    at.ry() += line * 1.2;
    painter.fillRect(QRectF(at + QPointF(0, line * 0.2), QSizeF(line * 1.2, line * 0.6)), kBand);
    painter.drawText(at + QPointF(line * 1.6, metrics.ascent()),
                     QCoreApplication::translate("Plots", "Model ± one sigma"));
}

}  // namespace

void PaintSoilPlot(QPainter& painter, const QRectF& area, const SoilPlotData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double radius = metrics.height() * 0.25;
    const QSizeF legendSize = LegendSize(metrics, data.band);
    const double inset = metrics.height() * 0.4;
    QRectF plot = PlotArea(area, metrics);
    SoilPlotLayout layout = LayoutSoilPlot(data.measured, data.curve, plot);
    // The legend sits in a corner the data leaves free; where none is, the plot makes room for it on its
    // right, so the legend never covers a point, the curve or its band.
    std::optional<QRectF> legend = FreeLegendCorner(
        plot, legendSize, inset, SoilPlotMarks(layout, data.measured, data.curve, data.band, radius));
    if (!legend) {
        plot.setRight(plot.right() - legendSize.width() - 2 * inset);
        layout = LayoutSoilPlot(data.measured, data.curve, plot);
        legend = QRectF(QPointF(plot.right() + inset, plot.top() + inset), legendSize);
    }
    PaintAxes(
        painter, plot, layout.spacing, layout.resistivity,
        [&](double a) { return MapSoil(layout, a, layout.resistivity.low).x(); },
        [&](double rho) { return MapSoil(layout, layout.spacing.low, rho).y(); },
        QCoreApplication::translate("Plots", "Electrode spacing a (m)"),
        QCoreApplication::translate("Plots", "Apparent resistivity (Ω·m)"), data.numbers);
    painter.setClipRect(plot);
    if (!data.curve.empty()) {
        QPainterPath band;
        band.moveTo(MapSoil(layout, data.curve.front().spacing, data.curve.front().high));
        for (const SoilCurvePoint& point : data.curve)
            band.lineTo(MapSoil(layout, point.spacing, point.high));
        for (auto point = data.curve.rbegin(); point != data.curve.rend(); ++point)
            band.lineTo(MapSoil(layout, point->spacing, point->low));
        band.closeSubpath();
        if (data.band)
            painter.fillPath(band, kBand);
        QPainterPath curve;
        curve.moveTo(MapSoil(layout, data.curve.front().spacing, data.curve.front().model));
        for (const SoilCurvePoint& point : data.curve)
            curve.lineTo(MapSoil(layout, point.spacing, point.model));
        painter.strokePath(curve, QPen(kCurve, 2 * PenUnit(painter)));
    }
    painter.setPen(QPen(kMeasured, 1.5 * PenUnit(painter)));
    painter.setBrush(Qt::white);
    for (const analysis::SoundingPoint& point : data.measured)
        painter.drawEllipse(MapSoil(layout, point.spacing, point.apparentResistivity), radius, radius);
    painter.setClipping(false);
    PaintLegend(painter, legend->topLeft(), data.band);
    painter.restore();
}

}  // namespace terrovane::plots

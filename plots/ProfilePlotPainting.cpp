#include "ProfilePlotPainting.h"

#include <QCoreApplication>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "PlotPainting.h"

namespace terrovane::plots {
namespace {

const QColor kPotentialColour(0x1f, 0x5f, 0xa8);
const QColor kTouchColour(0xc0, 0x39, 0x2b);

struct ProfileAxes {
    QRectF plot;
    PlotAxis distance;
    PlotAxis volts;
    QPointF At(double d, double v) const {
        return {plot.left() + plot.width() * LinearFraction(distance, d),
                plot.bottom() - plot.height() * LinearFraction(volts, v)};
    }
};

void PaintCurve(QPainter& painter, const ProfileAxes& axes, const ProfilePlotData& data,
                double electrode::ProfilePoint::*field, const QColor& colour) {
    QPainterPath path;
    path.moveTo(axes.At(data.points.front().distance, data.points.front().*field));
    for (const electrode::ProfilePoint& p : data.points)
        path.lineTo(axes.At(p.distance, p.*field));
    painter.strokePath(path, QPen(colour, 2 * PenUnit(painter)));
}

void PaintKey(QPainter& painter, const QRectF& plot) {
    const QFontMetricsF metrics(painter.font());
    const struct {
        QString text;
        QColor colour;
        Qt::PenStyle style;
    } rows[] = {{QCoreApplication::translate("Plots", "Surface potential"), kPotentialColour, Qt::SolidLine},
                {QCoreApplication::translate("Plots", "Touch voltage"), kTouchColour, Qt::SolidLine},
                {QCoreApplication::translate("Plots", "Tolerable touch voltage"), Qt::black, Qt::DashLine}};
    double y = plot.top() + metrics.height();
    const double left = plot.left() + metrics.height() * 0.6;
    for (const auto& row : rows) {
        painter.setPen(QPen(row.colour, 2 * PenUnit(painter), row.style));
        painter.drawLine(QPointF(left, y - metrics.ascent() / 3),
                         QPointF(left + metrics.height() * 1.5, y - metrics.ascent() / 3));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left + metrics.height() * 2, y), row.text);
        y += metrics.height();
    }
}

}  // namespace

void PaintProfilePlot(QPainter& painter, const QRectF& area, const ProfilePlotData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    ProfileAxes axes;
    axes.plot = PlotArea(area, metrics);
    double top = data.touchLimit;
    for (const electrode::ProfilePoint& p : data.points)
        top = std::max({top, p.potential, p.touch});
    const double length = data.points.empty() ? 1 : data.points.back().distance;
    axes.distance = LinearAxis(0, length > 0 ? length : 1, 8);
    axes.volts = LinearAxis(0, top > 0 ? 1.1 * top : 1, 6);
    PaintAxes(
        painter, axes.plot, axes.distance, axes.volts, [&](double d) { return axes.At(d, 0).x(); },
        [&](double v) { return axes.At(0, v).y(); },
        QCoreApplication::translate("Plots", "Distance along the line (m)"),
        QCoreApplication::translate("Plots", "Volts"), data.numbers);
    if (data.points.size() >= 2) {
        painter.setClipRect(axes.plot);
        PaintCurve(painter, axes, data, &electrode::ProfilePoint::potential, kPotentialColour);
        PaintCurve(painter, axes, data, &electrode::ProfilePoint::touch, kTouchColour);
        if (data.touchLimit > 0) {
            painter.setPen(QPen(Qt::black, 1.5 * PenUnit(painter), Qt::DashLine));
            const double y = axes.At(0, data.touchLimit).y();
            painter.drawLine(QPointF(axes.plot.left(), y), QPointF(axes.plot.right(), y));
        }
        painter.setClipping(false);
        PaintKey(painter, axes.plot);
    }
    painter.restore();
}

}  // namespace terrovane::plots

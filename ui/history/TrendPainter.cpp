// The trend chart's drawing: axes, limit, readings, over-range markers and the hover box.
#include "TrendPainter.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace terrovane::history {
namespace {

constexpr double kPointRadius = 3.5;

}  // namespace

TrendPainter::TrendPainter(const TrendChart& chart)
    : chart_(chart), series_(chart.Series()), layout_(chart.Layout()), hovered_(chart.HoveredIndex()) {}

void TrendPainter::Paint(QPainter& painter) const {
    PaintAxes(painter);
    PaintLimit(painter);
    PaintSeries(painter);
    PaintOverRange(painter);
    PaintHover(painter);
}

QPointF TrendPainter::HoveredPoint() const {
    const std::size_t index = static_cast<std::size_t>(hovered_);
    return index < layout_.points.size() ? layout_.points[index]
                                         : layout_.overRangePoints[index - layout_.points.size()];
}

void TrendPainter::PaintAxes(QPainter& painter) const {
    const QRectF plot = layout_.plot;
    const QFontMetrics metrics = chart_.fontMetrics();
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    for (double tick : layout_.y.ticks) {
        painter.drawLine(QPointF(plot.left(), MapY(layout_, tick)),
                         QPointF(plot.right(), MapY(layout_, tick)));
    }
    painter.setPen(chart_.palette().color(QPalette::Text));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double tick : layout_.y.ticks) {
        const double y = MapY(layout_, tick);
        const QRectF box(0, y - metrics.height() / 2.0, plot.left() - 6, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TrendNumber(tick));
    }
    // Time ticks: only as many as fit without overlapping.
    const QStringList labels = DayAxisLabels(layout_.x);
    double labelWidth = 0;
    for (const QString& label : labels) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label) + 12.0);
    }
    const std::size_t every = static_cast<std::size_t>(
        std::ceil(layout_.x.ticks.size() * labelWidth / std::max(plot.width(), 1.0)));
    for (std::size_t i = 0; i < layout_.x.ticks.size(); i += std::max<std::size_t>(every, 1)) {
        const double x = MapX(layout_, layout_.x.ticks[i]);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        painter.drawText(QRectF(x - labelWidth / 2, plot.bottom() + 6, labelWidth, metrics.height()),
                         Qt::AlignCenter, labels[static_cast<int>(i)]);
    }
    painter.drawText(QRectF(plot.left(), 0, plot.width(), metrics.height() * 1.4),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(series_.title));
}

void TrendPainter::PaintLimit(QPainter& painter) const {
    if (!series_.limit) {
        return;
    }
    const QColor red(0xB7, 0x1C, 0x1C);
    const double y = MapY(layout_, series_.limit->ohms);
    painter.setPen(QPen(red, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(layout_.plot.left(), y), QPointF(layout_.plot.right(), y));
    const QString text =
        TrendChart::tr("limit %1 Ω (%2)")
            .arg(TrendNumber(series_.limit->ohms), QString::fromStdString(series_.limit->source));
    // Above the line, or under it where the line runs along the top (the band above is the over-range
    // markers').
    const double height = chart_.fontMetrics().height();
    const double top = y - height - 2 < layout_.plot.top() ? y + 2 : y - height - 2;
    painter.drawText(QRectF(layout_.plot.left() + 6, top, layout_.plot.width() - 12, height),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

void TrendPainter::PaintSeries(QPainter& painter) const {
    const QColor line(49, 106, 197);
    QPainterPath path;
    for (std::size_t i = 0; i < layout_.points.size(); ++i) {
        i == 0 ? path.moveTo(layout_.points[i]) : path.lineTo(layout_.points[i]);
    }
    painter.setPen(QPen(line, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    for (std::size_t i = 0; i < layout_.points.size(); ++i) {
        const double radius = static_cast<int>(i) == hovered_ ? kPointRadius * 1.8 : kPointRadius;
        // A result typed by hand is an open square, so it is told from the instrument's at a glance.
        if (i < series_.samples.size() && series_.samples[i].typed) {
            painter.setBrush(chart_.palette().color(QPalette::Base));
            painter.drawRect(QRectF(layout_.points[i] - QPointF(radius * 1.2, radius * 1.2),
                                    QSizeF(radius * 2.4, radius * 2.4)));
        } else {
            painter.setBrush(line);
            painter.drawEllipse(layout_.points[i], radius, radius);
        }
    }
}

void TrendPainter::PaintOverRange(QPainter& painter) const {
    const QColor mark(0xB7, 0x1C, 0x1C);
    const QFontMetrics metrics = chart_.fontMetrics();
    double labelsEnd = -HUGE_VAL;
    for (std::size_t i = 0; i < layout_.overRangePoints.size(); ++i) {
        const QPointF at = layout_.overRangePoints[i];
        const double size =
            static_cast<int>(i + layout_.points.size()) == hovered_ ? kPointRadius * 2.6 : kPointRadius * 1.8;
        const QPolygonF triangle(
            {at + QPointF(-size, size * 0.9), at + QPointF(size, size * 0.9), at + QPointF(0, -size * 0.9)});
        painter.setPen(QPen(mark, 1));
        painter.setBrush(mark);
        painter.drawPolygon(triangle);
        // The bound beside the marker (before it near the right edge), unless it would run into the
        // previous one's.
        const QString text = QString::fromStdString(OverRangeShown(series_, series_.overRange[i]));
        const double width = metrics.horizontalAdvance(text) + 4.0;
        const bool before = at.x() + size + 2 + width > static_cast<double>(chart_.width());
        const double left = before ? at.x() - size - 2 - width : at.x() + size + 2;
        if (left > labelsEnd) {
            painter.drawText(QRectF(left, at.y() - metrics.height() / 2.0, width, metrics.height()),
                             Qt::AlignVCenter | (before ? Qt::AlignRight : Qt::AlignLeft), text);
            labelsEnd = left + width + 4;
        }
    }
}

void TrendPainter::PaintHover(QPainter& painter) const {
    if (hovered_ < 0) {
        return;
    }
    const QPointF at = HoveredPoint();
    const QString text = chart_.HoverText();
    const QFontMetrics metrics = chart_.fontMetrics();
    QRectF box = metrics.boundingRect(QRect(0, 0, 400, 100), Qt::AlignLeft, text).adjusted(-6, -4, 6, 4);
    box.moveTopLeft(at + QPointF(10, -box.height() - 6));
    // Kept inside the widget near the edges.
    box.moveLeft(std::min(box.left(), chart_.width() - box.width() - 2));
    box.moveTop(std::max(box.top(), 2.0));
    painter.setPen(QColor(49, 106, 197));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setPen(chart_.palette().color(QPalette::ToolTipText));
    painter.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignLeft, text);
}

}  // namespace terrovane::history

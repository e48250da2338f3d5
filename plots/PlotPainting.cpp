#include "PlotPainting.h"

#include <algorithm>

namespace terrovane::plots {

QRectF PlotArea(const QRectF& area, const QFontMetricsF& metrics) {
    const double left = metrics.horizontalAdvance(QStringLiteral("00000")) + metrics.height() * 1.6;
    const double bottom = metrics.height() * 2.8;
    return area.adjusted(left, metrics.height() * 0.8, -metrics.horizontalAdvance(QStringLiteral("000")),
                         -bottom);
}

double PenUnit(const QPainter& painter) {
    return QFontMetricsF(painter.font()).height() / 15.0;
}

QString TickText(double value, const QLocale& numbers) {
    if (numbers.decimalPoint() == QLatin1String("."))
        return QString::number(value, 'g', 4);
    QLocale ungrouped = numbers;
    ungrouped.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    return ungrouped.toString(value, 'g', 4);
}

void PaintAxes(QPainter& painter, const QRectF& plot, const PlotAxis& xAxis, const PlotAxis& yAxis,
               const std::function<double(double)>& x, const std::function<double(double)>& y,
               const QString& xTitle, const QString& yTitle, const QLocale& numbers) {
    const QFontMetricsF metrics(painter.font());
    painter.save();
    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), PenUnit(painter)));
    for (double tick : xAxis.ticks)
        painter.drawLine(QPointF(x(tick), plot.top()), QPointF(x(tick), plot.bottom()));
    for (double tick : yAxis.ticks)
        painter.drawLine(QPointF(plot.left(), y(tick)), QPointF(plot.right(), y(tick)));
    painter.setPen(QPen(Qt::black, PenUnit(painter)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (double tick : xAxis.ticks) {
        const QString text = TickText(tick, numbers);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(x(tick) - width / 2, plot.bottom() + metrics.height()), text);
    }
    // The lowest label stays above the plot's bottom edge, clear of the first label of the x axis in the
    // corner below it.
    for (double tick : yAxis.ticks) {
        const QString text = TickText(tick, numbers);
        const double baseline =
            std::min(y(tick) + metrics.ascent() / 2 - 1, plot.bottom() - metrics.descent());
        painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(text) - 4, baseline), text);
    }
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                             plot.bottom() + metrics.height() * 2.2),
                     xTitle);
    painter.translate(
        plot.left() - metrics.horizontalAdvance(QStringLiteral("00000")) - metrics.height() * 0.6,
        plot.center().y() + metrics.horizontalAdvance(yTitle) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), yTitle);
    painter.restore();
}

}  // namespace terrovane::plots

#include "ChartAxes.h"

#include <QPainter>

namespace terrovane::panel {
namespace {

// Layers are drawn without smoothing: blended edge pixels would not vanish under the OR composition.
QFont ChartFont(int pixelSize, int weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString AxisNumber(double value, int precision) {
    return QString::number(value, 'f', precision);
}

}  // namespace

void ChartAxes::Draw(QImage& layer, QColor background, QColor grid) const {
    layer.fill(background);
    QPainter painter(&layer);
    QRect plot = plotRect_;
    plot.setLeft(55);
    painter.setPen(QPen(grid, 1));
    painter.drawRect(QRect(plot.topLeft(), plot.bottomRight() + QPoint(1, 1)).adjusted(0, 0, -1, -1));
    DrawYAxis(painter, plot, grid);
    DrawXAxis(painter, plot, grid);
}

void ChartAxes::DrawYAxis(QPainter& painter, const QRect& plot, QColor grid) const {
    painter.setFont(ChartFont(12, 400));
    const auto rightAligned = Qt::AlignRight | Qt::AlignTop;
    auto label = [&](int y, const QString& text) {
        painter.setPen(grid);
        painter.drawText(QRect(0, y, plot.left() - 4, 20), rightAligned, text);
    };
    label(plot.bottom() - 6, AxisNumber(yMinimum_, yPrecision_));
    const int steps = yStep_ > 0 ? int((yRange_ + 0.001) / yStep_) : 0;
    for (int i = 1; i < steps; ++i) {
        if (i % 2 != 0)
            continue;
        const int y = int(plot.bottom() - i * yPixelsPerUnit_ * yStep_);
        painter.setPen(QPen(grid, 1, Qt::DotLine));
        painter.drawLine(plot.left() - 3, y, plot.right(), y);
        label(y - 6, AxisNumber(i * yStep_ + yMinimum_, yPrecision_));
    }
    if (steps < 3)
        label(plot.top() - 6, AxisNumber(yMaximum_, yPrecision_));
    painter.save();
    painter.setFont(ChartFont(14, 300));
    painter.setPen(grid);
    painter.translate(15, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-100, -14, 200, 18), Qt::AlignHCenter | Qt::AlignBottom, yCaption_);
    painter.restore();
}

void ChartAxes::DrawXAxis(QPainter& painter, const QRect& plot, QColor grid) const {
    painter.setPen(QPen(grid, 1));
    painter.setFont(ChartFont(12, 400));
    const int ticks = xStep_ != 0 ? int((xMaximum_ - xMinimum_ + 1) / xStep_) : 0;
    for (int i = 1; i <= ticks; ++i) {
        const int x = int(plot.left() + i * xPixelsPerUnit_ * xStep_);
        painter.drawLine(x, plot.bottom() - 1, x, plot.bottom() + 5);
        painter.drawText(QRect(x - 30, plot.bottom() + 4, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                         AxisNumber(i * xStep_ + xMinimum_, 1));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), 16),
                     Qt::AlignHCenter | Qt::AlignTop, xCaption_);
}

}  // namespace terrovane::panel

#include "ChartWindow.h"

#include <QAccessible>

#include <QPainter>
#include <QResizeEvent>

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

QString Number(double value, int precision) {
    return QString::number(value, 'f', precision);
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWindow::SetBackgroundColour(QColor colour) {
    background_ = colour;
    RedrawLayers();
}

void ChartWindow::SetGridColour(QColor colour) {
    grid_ = colour;
    RedrawLayers();
}

void ChartWindow::SetPlotColour(QColor colour) {
    plot_ = colour;
    RedrawLayers();
}

void ChartWindow::RedrawLayers() {
    const QSize size = this->size().isEmpty() ? QSize(1, 1) : this->size();
    gridLayer_ = QImage(size, QImage::Format_RGB32);
    plotLayer_ = QImage(size, QImage::Format_RGB32);
    DrawGrid();
    plotLayer_.fill(background_);
    update();
}

void ChartWindow::DrawGrid() {
    gridLayer_.fill(background_);
    QPainter painter(&gridLayer_);
    QRect plot = plotRect_;
    plot.setLeft(55);
    painter.setPen(QPen(grid_, 1));
    painter.drawRect(QRect(plot.topLeft(), plot.bottomRight() + QPoint(1, 1)).adjusted(0, 0, -1, -1));
    DrawYAxis(painter, plot);
    DrawXAxis(painter, plot);
}

void ChartWindow::DrawYAxis(QPainter& painter, const QRect& plot) {
    painter.setFont(ChartFont(12, 400));
    const auto rightAligned = Qt::AlignRight | Qt::AlignTop;
    auto label = [&](int y, const QString& text) {
        painter.setPen(grid_);
        painter.drawText(QRect(0, y, plot.left() - 4, 20), rightAligned, text);
    };
    label(plot.bottom() - 6, Number(yMinimum_, yPrecision_));
    const int steps = yStep_ > 0 ? int((yRange_ + 0.001) / yStep_) : 0;
    for (int i = 1; i < steps; ++i) {
        if (i % 2 != 0)
            continue;
        const int y = int(plot.bottom() - i * yPixelsPerUnit_ * yStep_);
        painter.setPen(QPen(grid_, 1, Qt::DotLine));
        painter.drawLine(plot.left() - 3, y, plot.right(), y);
        label(y - 6, Number(i * yStep_ + yMinimum_, yPrecision_));
    }
    if (steps < 3)
        label(plot.top() - 6, Number(yMaximum_, yPrecision_));
    painter.save();
    painter.setFont(ChartFont(14, 300));
    painter.setPen(grid_);
    painter.translate(15, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-100, -14, 200, 18), Qt::AlignHCenter | Qt::AlignBottom, yCaption_);
    painter.restore();
}

void ChartWindow::DrawXAxis(QPainter& painter, const QRect& plot) {
    painter.setPen(QPen(grid_, 1));
    painter.setFont(ChartFont(12, 400));
    const int ticks = xStep_ != 0 ? int((xMaximum_ - xMinimum_ + 1) / xStep_) : 0;
    for (int i = 1; i <= ticks; ++i) {
        const int x = int(plot.left() + i * xPixelsPerUnit_ * xStep_);
        painter.drawLine(x, plot.bottom() - 1, x, plot.bottom() + 5);
        painter.drawText(QRect(x - 30, plot.bottom() + 4, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                         Number(i * xStep_ + xMinimum_, 1));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), 16),
                     Qt::AlignHCenter | Qt::AlignTop, xCaption_);
}

QImage ChartWindow::Compose() const {
    QImage composed = gridLayer_;
    QPainter painter(&composed);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, plotLayer_);
    return composed;
}

void ChartWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, Compose());
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RedrawLayers();
}

void ChartWindow::SetReading(const QString& reading) {
    if (reading == reading_)
        return;
    reading_ = reading;
    QAccessibleValueChangeEvent event(this, reading_);
    QAccessible::updateAccessibility(&event);
    emit ReadingChanged(reading_);
}

}  // namespace terrovane::panel

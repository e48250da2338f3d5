#include "ChartWindow.h"

#include <QAccessible>

#include <QPainter>
#include <QResizeEvent>

namespace terrovane::panel {
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
    axes_.Draw(gridLayer_, background_, grid_);
    plotLayer_.fill(background_);
    update();
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

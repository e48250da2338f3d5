#include "FopPlot.h"

#include <QPainter>

namespace terrovane::engineering {

FopPlot::FopPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 260);
}

void FopPlot::SetData(plots::FopPlotData data) {
    data_ = std::move(data);
    update();
}

void FopPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    plots::PaintFopPlot(painter, rect(), data_);
}

}  // namespace terrovane::engineering

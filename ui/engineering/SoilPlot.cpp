#include "SoilPlot.h"

#include <QPainter>

namespace terrovane::engineering {

SoilPlot::SoilPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 260);
}

void SoilPlot::SetData(plots::SoilPlotData data) {
    data_ = std::move(data);
    update();
}

void SoilPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    plots::PaintSoilPlot(painter, rect(), data_);
}

}  // namespace terrovane::engineering

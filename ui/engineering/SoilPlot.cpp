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
    // On screen in the user's notation; the saved files keep the point.
    plots::SoilPlotData shown = data_;
    shown.numbers = locale();
    plots::PaintSoilPlot(painter, rect(), shown);
}

}  // namespace terrovane::engineering

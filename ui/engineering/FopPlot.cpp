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
    // On screen in the user's notation; the saved files keep the point.
    plots::FopPlotData shown = data_;
    shown.numbers = locale();
    plots::PaintFopPlot(painter, rect(), shown);
}

}  // namespace terrovane::engineering

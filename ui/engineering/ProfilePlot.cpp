#include "ProfilePlot.h"

#include <QPainter>

namespace terrovane::engineering {

ProfilePlot::ProfilePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 130);  // below its two rows of ends, still within a small screen
}

void ProfilePlot::SetData(plots::ProfilePlotData data) {
    data_ = std::move(data);
    update();
}

void ProfilePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On screen in the user's notation; the saved files keep the point.
    plots::ProfilePlotData shown = data_;
    shown.numbers = locale();
    plots::PaintProfilePlot(painter, rect(), shown);
}

}  // namespace terrovane::engineering

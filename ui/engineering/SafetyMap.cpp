#include "SafetyMap.h"

#include <QMouseEvent>
#include <QPainter>

#include "SafetyMapPainting.h"

#include <cmath>

namespace terrovane::engineering {

SafetyMap::SafetyMap(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);  // below the tab bar, still within a small screen beside the results
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SafetyMap::SetRaster(const electrode::SafetyRaster& raster, double touchLimit, double stepLimit,
                          const std::vector<grid::Segment>& conductors) {
    raster_ = raster;
    touchLimit_ = touchLimit;
    stepLimit_ = stepLimit;
    conductors_ = conductors;
    update();
}

void SafetyMap::Clear() {
    raster_ = {};
    conductors_.clear();
    update();
}

void SafetyMap::SetQuantity(MapQuantity quantity) {
    quantity_ = quantity;
    update();
}

const std::vector<double>& SafetyMap::Values() const {
    return quantity_ == MapQuantity::Touch ? raster_.touch : raster_.step;
}

double SafetyMap::ScaleTop() const {
    return plots::SafetyScaleTop(Values(), Limit());
}

int SafetyMap::PointsAtOrAboveLimit() const {
    return plots::PointsAtOrAboveLimit(Values(), Limit());
}

QColor SafetyMap::ColourOf(double share) {
    return plots::SafetyColour(share);
}

void SafetyMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    Paint(painter, rect());
}

void SafetyMap::SetLine(std::optional<std::array<electrode::Point, 2>> line) {
    line_ = line;
    update();
}

std::optional<electrode::Point> SafetyMap::GroundAt(QPointF at) const {
    if (Empty())
        return std::nullopt;
    plots::SafetyMapData data;
    data.raster = &raster_;
    data.values = &Values();
    data.limit = Limit();
    data.numbers = locale();
    const QRectF field = plots::SafetyMapField(font(), rect(), data);
    if (!field.contains(at))
        return std::nullopt;
    return plots::GroundUnder(field, raster_, at);
}

void SafetyMap::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->button() == Qt::LeftButton ? GroundAt(event->position()) : std::nullopt;
    lineBefore_ = line_;
    if (dragFrom_)
        SetLine(std::array<electrode::Point, 2>{*dragFrom_, *dragFrom_});
}

void SafetyMap::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_)
        return;
    if (const auto to = GroundAt(event->position()))
        SetLine(std::array<electrode::Point, 2>{*dragFrom_, *to});
}

void SafetyMap::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragFrom_)
        return;
    const electrode::Point from = *dragFrom_;
    dragFrom_.reset();
    const std::optional<electrode::Point> to = GroundAt(event->position());
    // A click without a drag chooses no line: the last one stays.
    if (!to || std::hypot(to->x - from.x, to->y - from.y) < raster_.spacing) {
        SetLine(lineBefore_);
        return;
    }
    SetLine(std::array<electrode::Point, 2>{from, *to});
    if (lineDragged)
        lineDragged(from, *to);
}

void SafetyMap::Paint(QPainter& painter, const QRectF& area) const {
    if (Empty())
        return;
    plots::SafetyMapData data;
    data.line = line_;
    data.raster = &raster_;
    data.values = &Values();
    data.limit = Limit();
    data.conductors = conductors_;
    data.text = palette().text().color();
    data.numbers = locale();
    plots::PaintSafetyMap(painter, area, data);
}

}  // namespace terrovane::engineering

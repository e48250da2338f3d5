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
    content_.Set(raster, touchLimit, stepLimit, conductors);
    update();
}

void SafetyMap::Clear() {
    content_.Clear();
    update();
}

void SafetyMap::SetQuantity(MapQuantity quantity) {
    content_.SetQuantity(quantity);
    update();
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
    if (content_.Empty())
        return std::nullopt;
    plots::SafetyMapData data;
    data.raster = &content_.Raster();
    data.values = &content_.Values();
    data.limit = content_.Limit();
    data.numbers = locale();
    const QRectF field = plots::SafetyMapField(font(), rect(), data);
    if (!field.contains(at))
        return std::nullopt;
    return plots::GroundUnder(field, content_.Raster(), at);
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
    if (!to || std::hypot(to->x - from.x, to->y - from.y) < content_.Raster().spacing) {
        SetLine(lineBefore_);
        return;
    }
    SetLine(std::array<electrode::Point, 2>{from, *to});
    if (lineDragged)
        lineDragged(from, *to);
}

void SafetyMap::Paint(QPainter& painter, const QRectF& area) const {
    if (content_.Empty())
        return;
    plots::SafetyMapData data;
    data.line = line_;
    data.raster = &content_.Raster();
    data.values = &content_.Values();
    data.limit = content_.Limit();
    data.conductors = content_.Conductors();
    data.text = palette().text().color();
    data.numbers = locale();
    plots::PaintSafetyMap(painter, area, data);
}

}  // namespace terrovane::engineering

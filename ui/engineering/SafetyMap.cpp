#include "SafetyMap.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

QString WholeVolts(double value) {
    return QCoreApplication::translate("GridWindow", "%1 V").arg(keyboard::ShownNumber(value, 0));
}

}  // namespace

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
    double largest = 0;
    for (double v : Values())
        if (std::isfinite(v))
            largest = std::max(largest, v);
    return std::max(largest, 1.25 * Limit());
}

int SafetyMap::PointsAtOrAboveLimit() const {
    return static_cast<int>(std::count_if(Values().begin(), Values().end(),
                                          [&](double v) { return std::isfinite(v) && v >= Limit(); }));
}

// Hue from blue through green and yellow to red: a scale that reads without a legend's help as "more".
QColor SafetyMap::ColourOf(double share) {
    const double s = std::clamp(share, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>((1 - s) * 240.0 / 360.0), 0.85f, 0.95f);
}

void SafetyMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    Paint(painter, rect());
}

void SafetyMap::Paint(QPainter& painter, const QRectF& area) const {
    if (Empty())
        return;
    const electrode::SurfaceMap& map = raster_.potential;
    const QFontMetricsF metrics(painter.font());
    const double legendWidth = metrics.horizontalAdvance(WholeVolts(ScaleTop())) + metrics.height() * 2.5;
    const double margin = metrics.height();
    const double spanX = map.area.x1 - map.area.x0 + raster_.spacing;
    const double spanY = map.area.y1 - map.area.y0 + raster_.spacing;
    const double scale =
        std::min((area.width() - 2 * margin - legendWidth) / spanX, (area.height() - 2 * margin) / spanY);
    if (!(scale > 0))
        return;
    // Each raster point is the centre of a cell one spacing wide; y runs up the page, as on a site plan.
    const double left = area.left() + margin;
    const double bottom = area.top() + (area.height() + scale * spanY) / 2;
    const auto at = [&](double x, double y) {
        return QPointF(left + scale * (x - map.area.x0 + raster_.spacing / 2),
                       bottom - scale * (y - map.area.y0 + raster_.spacing / 2));
    };
    const double top = ScaleTop();
    const double limit = Limit();
    const std::vector<double>& values = Values();
    QImage cells(map.nx, map.ny, QImage::Format_ARGB32);
    cells.fill(Qt::transparent);
    const auto reaches = [&](int ix, int iy) {
        if (ix < 0 || iy < 0 || ix >= map.nx || iy >= map.ny)
            return false;
        const double v = values[raster_.Index(ix, iy)];
        return std::isfinite(v) && v >= limit;
    };
    for (int iy = 0; iy < map.ny; ++iy)
        for (int ix = 0; ix < map.nx; ++ix) {
            const double v = values[raster_.Index(ix, iy)];
            if (std::isfinite(v))
                cells.setPixelColor(ix, map.ny - 1 - iy, ColourOf(v / top));
        }
    const QRectF field(at(map.area.x0 - raster_.spacing / 2, map.area.y1 + raster_.spacing / 2),
                       QSizeF(scale * spanX, scale * spanY));
    painter.drawImage(field, cells);
    // The unsafe ground hatched cell by cell, and its border, the contour of the limit, drawn along every
    // cell edge that has unsafe ground on one side only.
    const QBrush hatch(QColor(0, 0, 0, 110), Qt::BDiagPattern);
    const QPen contour(Qt::black, 2);
    const double half = raster_.spacing / 2;
    for (int iy = 0; iy < map.ny; ++iy)
        for (int ix = 0; ix < map.nx; ++ix) {
            if (!reaches(ix, iy))
                continue;
            const electrode::Point p = map.PointAt(ix, iy);
            const QPointF topLeft = at(p.x - half, p.y + half);
            const QPointF bottomRight = at(p.x + half, p.y - half);
            painter.fillRect(QRectF(topLeft, bottomRight), hatch);
            painter.setPen(contour);
            if (!reaches(ix - 1, iy))
                painter.drawLine(topLeft, QPointF(topLeft.x(), bottomRight.y()));
            if (!reaches(ix + 1, iy))
                painter.drawLine(QPointF(bottomRight.x(), topLeft.y()), bottomRight);
            if (!reaches(ix, iy + 1))
                painter.drawLine(topLeft, QPointF(bottomRight.x(), topLeft.y()));
            if (!reaches(ix, iy - 1))
                painter.drawLine(QPointF(topLeft.x(), bottomRight.y()), bottomRight);
        }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    for (const grid::Segment& s : conductors_)
        painter.drawLine(at(s.from.x, s.from.y), at(s.to.x, s.to.y));

    // The legend: the colours from 0 V at the bottom to the scale's top, the limit marked across it.
    const double barLeft = field.right() + margin;
    const double barWidth = metrics.height();
    const QRectF bar(barLeft, field.top(), barWidth, field.height());
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (int i = 0; i <= 10; ++i)
        gradient.setColorAt(i / 10.0, ColourOf(i / 10.0));
    painter.fillRect(bar, gradient);
    painter.setPen(palette().text().color());
    painter.drawRect(bar);
    const double limitY = bar.bottom() - bar.height() * std::clamp(limit / top, 0.0, 1.0);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(bar.left() - 3, limitY), QPointF(bar.right() + 3, limitY));
    painter.setPen(palette().text().color());
    const double textLeft = bar.right() + 4;
    painter.drawText(QPointF(textLeft, bar.top() + metrics.ascent()), WholeVolts(top));
    painter.drawText(QPointF(textLeft, bar.bottom()), WholeVolts(0));
    painter.drawText(QPointF(textLeft, limitY + metrics.ascent() / 2), WholeVolts(limit));
}

}  // namespace terrovane::engineering

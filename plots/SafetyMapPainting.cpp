#include "SafetyMapPainting.h"

#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace terrovane::plots {
namespace {

QString LegendVolts(QLocale numbers, double value) {
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    return QCoreApplication::translate("SafetyMap", "%1 V").arg(numbers.toString(value, 'f', 0));
}

// Lines as thick on a page as on the screen: a share of the text's height.
double LineWidth(const QPainter& painter, double share, double least) {
    return std::max(least, QFontMetricsF(painter.font()).height() * share);
}

// Where a point of the ground lands in the picture: each raster point the centre of a cell one spacing
// wide, y running up the page.
struct MapFrame {
    QRectF field;
    const electrode::SafetyRaster* raster = nullptr;
    QPointF At(double x, double y) const { return PictureOf(field, *raster, {x, y, 0}); }
};

// The unsafe ground hatched cell by cell, and its border, the contour of the limit, drawn along every cell
// edge that has unsafe ground on one side only.
void PaintUnsafeGround(QPainter& painter, const MapFrame& frame, const SafetyMapData& data) {
    const electrode::SafetyRaster& raster = *data.raster;
    const electrode::SurfaceMap& map = raster.potential;
    const auto reaches = [&](int ix, int iy) {
        if (ix < 0 || iy < 0 || ix >= map.nx || iy >= map.ny)
            return false;
        const double v = (*data.values)[raster.Index(ix, iy)];
        return std::isfinite(v) && v >= data.limit;
    };
    const QBrush hatch(QColor(0, 0, 0, 110), Qt::BDiagPattern);
    const QPen contour(Qt::black, LineWidth(painter, 0.13, 2));
    const double half = raster.spacing / 2;
    for (int iy = 0; iy < map.ny; ++iy)
        for (int ix = 0; ix < map.nx; ++ix) {
            if (!reaches(ix, iy))
                continue;
            const electrode::Point p = map.PointAt(ix, iy);
            const QPointF topLeft = frame.At(p.x - half, p.y + half);
            const QPointF bottomRight = frame.At(p.x + half, p.y - half);
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
}

// The colours from 0 V at the bottom to the scale's top, the limit marked across it.
void PaintLegend(QPainter& painter, const QRectF& bar, double top, const SafetyMapData& data) {
    const QFontMetricsF metrics(painter.font());
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (int i = 0; i <= 10; ++i)
        gradient.setColorAt(i / 10.0, SafetyColour(i / 10.0));
    painter.fillRect(bar, gradient);
    painter.setPen(data.text);
    painter.drawRect(bar);
    const double limitY = bar.bottom() - bar.height() * std::clamp(data.limit / top, 0.0, 1.0);
    painter.setPen(QPen(Qt::black, LineWidth(painter, 0.13, 2)));
    painter.drawLine(QPointF(bar.left() - bar.width() / 4, limitY),
                     QPointF(bar.right() + bar.width() / 4, limitY));
    painter.setPen(data.text);
    const double textLeft = bar.right() + bar.width() / 3;
    painter.drawText(QPointF(textLeft, bar.top() + metrics.ascent()), LegendVolts(data.numbers, top));
    painter.drawText(QPointF(textLeft, bar.bottom()), LegendVolts(data.numbers, 0));
    painter.drawText(QPointF(textLeft, limitY + metrics.ascent() / 2), LegendVolts(data.numbers, data.limit));
}

}  // namespace

double SafetyScaleTop(const std::vector<double>& values, double limit) {
    double largest = 0;
    for (double v : values)
        if (std::isfinite(v))
            largest = std::max(largest, v);
    return std::max(largest, 1.25 * limit);
}

int PointsAtOrAboveLimit(const std::vector<double>& values, double limit) {
    return static_cast<int>(std::count_if(values.begin(), values.end(),
                                          [&](double v) { return std::isfinite(v) && v >= limit; }));
}

QColor SafetyColour(double share) {
    const double s = std::clamp(share, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>((1 - s) * 240.0 / 360.0), 0.85f, 0.95f);
}

QRectF SafetyMapField(const QFont& font, const QRectF& area, const SafetyMapData& data) {
    if (data.raster == nullptr || data.values == nullptr || data.raster->potential.values.empty())
        return {};
    const electrode::SafetyRaster& raster = *data.raster;
    const electrode::SurfaceMap& map = raster.potential;
    const QFontMetricsF metrics(font);
    const double top = SafetyScaleTop(*data.values, data.limit);
    const double legendWidth =
        metrics.horizontalAdvance(LegendVolts(data.numbers, top)) + metrics.height() * 2.5;
    const double margin = metrics.height();
    const double spanX = map.area.x1 - map.area.x0 + raster.spacing;
    const double spanY = map.area.y1 - map.area.y0 + raster.spacing;
    const double scale =
        std::min((area.width() - 2 * margin - legendWidth) / spanX, (area.height() - 2 * margin) / spanY);
    if (!(scale > 0))
        return {};
    return {area.left() + margin, area.top() + (area.height() - scale * spanY) / 2, scale * spanX,
            scale * spanY};
}

electrode::Point GroundUnder(const QRectF& field, const electrode::SafetyRaster& raster, QPointF at) {
    const electrode::SurfaceMap& map = raster.potential;
    const double scale = field.width() / (map.area.x1 - map.area.x0 + raster.spacing);
    return {map.area.x0 - raster.spacing / 2 + (at.x() - field.left()) / scale,
            map.area.y0 - raster.spacing / 2 + (field.bottom() - at.y()) / scale, 0};
}

QPointF PictureOf(const QRectF& field, const electrode::SafetyRaster& raster, electrode::Point ground) {
    const electrode::SurfaceMap& map = raster.potential;
    const double scale = field.width() / (map.area.x1 - map.area.x0 + raster.spacing);
    return {field.left() + scale * (ground.x - map.area.x0 + raster.spacing / 2),
            field.bottom() - scale * (ground.y - map.area.y0 + raster.spacing / 2)};
}

void PaintSafetyMap(QPainter& painter, const QRectF& area, const SafetyMapData& data) {
    const QRectF field = SafetyMapField(painter.font(), area, data);
    if (field.isEmpty())
        return;
    const electrode::SafetyRaster& raster = *data.raster;
    const electrode::SurfaceMap& map = raster.potential;
    const double top = SafetyScaleTop(*data.values, data.limit);
    const QFontMetricsF metrics(painter.font());
    const MapFrame frame{field, &raster};
    QImage cells(map.nx, map.ny, QImage::Format_ARGB32);
    cells.fill(Qt::transparent);
    for (int iy = 0; iy < map.ny; ++iy)
        for (int ix = 0; ix < map.nx; ++ix) {
            const double v = (*data.values)[raster.Index(ix, iy)];
            if (std::isfinite(v))
                cells.setPixelColor(ix, map.ny - 1 - iy, SafetyColour(v / top));
        }
    painter.drawImage(field, cells);
    PaintUnsafeGround(painter, frame, data);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), LineWidth(painter, 0.08, 1.2)));
    for (const grid::Segment& s : data.conductors)
        painter.drawLine(frame.At(s.from.x, s.from.y), frame.At(s.to.x, s.to.y));
    if (data.line) {
        const QPointF from = PictureOf(field, raster, (*data.line)[0]);
        const QPointF to = PictureOf(field, raster, (*data.line)[1]);
        painter.setPen(QPen(Qt::white, LineWidth(painter, 0.25, 4)));
        painter.drawLine(from, to);
        painter.setPen(QPen(Qt::black, LineWidth(painter, 0.12, 2), Qt::DashLine));
        painter.drawLine(from, to);
        const double r = metrics.height() / 4;
        painter.setBrush(Qt::white);
        painter.setPen(QPen(Qt::black, LineWidth(painter, 0.08, 1.2)));
        painter.drawEllipse(from, r, r);
        painter.setBrush(Qt::black);
        painter.drawEllipse(to, r, r);
    }
    painter.restore();
    PaintLegend(painter,
                QRectF(field.right() + metrics.height(), field.top(), metrics.height(), field.height()), top,
                data);
}

}  // namespace terrovane::plots

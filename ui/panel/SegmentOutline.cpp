#include "SegmentOutline.h"

#include <QPolygonF>
#include <QTransform>
#include <QtMath>

namespace terrovane::panel {
namespace {

// The digit body inside the 49 x 83 cell, before slanting.
constexpr double kLeft = 9.5, kRight = 37.5;
constexpr double kTop = 7, kBottom = 74, kMiddle = (kTop + kBottom) / 2;
constexpr double kThick = 8.5;   // bar thickness
constexpr double kGap = 1.3;     // gap between neighbouring bars
constexpr double kSlant = 0.09;  // horizontal shift per unit of height above the middle line

QPointF Slanted(double x, double y) {
    return {x + kSlant * (kMiddle - y), y};
}

QPainterPath Closed(std::initializer_list<QPointF> points) {
    QPolygonF polygon;
    for (const auto& p : points)
        polygon << Slanted(p.x(), p.y());
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// A horizontal bar centred on y from x0 to x1 with pointed (bevelled) ends.
QPainterPath HorizontalBar(double x0, double x1, double y, double thick = kThick) {
    const double h = thick / 2;
    return Closed({{x0 + kGap, y},
                   {x0 + kGap + h, y - h},
                   {x1 - kGap - h, y - h},
                   {x1 - kGap, y},
                   {x1 - kGap - h, y + h},
                   {x0 + kGap + h, y + h}});
}

QPainterPath VerticalBar(double x, double y0, double y1, double thick = kThick) {
    const double h = thick / 2;
    return Closed({{x, y0 + kGap},
                   {x + h, y0 + kGap + h},
                   {x + h, y1 - kGap - h},
                   {x, y1 - kGap},
                   {x - h, y1 - kGap - h},
                   {x - h, y0 + kGap + h}});
}

// A diagonal stroke across the box between the bars that surround it, from corner (x0, y0) to (x1, y1).
QPainterPath Diagonal(double x0, double y0, double x1, double y1) {
    constexpr double halfWidth = 1.7, endInset = 0.8;
    const double sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
    const QPointF a(x0 + sx * endInset, y0 + sy * endInset), b(x1 - sx * endInset, y1 - sy * endInset);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const double nx = -(b.y() - a.y()) / length * halfWidth, ny = (b.x() - a.x()) / length * halfWidth;
    return Closed({{a.x() + nx, a.y() + ny},
                   {b.x() + nx, b.y() + ny},
                   {b.x() - nx, b.y() - ny},
                   {a.x() - nx, a.y() - ny}});
}

QPainterPath SevenSegment(int segment) {
    switch (segment) {
        case 0:
            return HorizontalBar(kLeft, kRight, kTop);
        case 1:
            return VerticalBar(kLeft, kTop, kMiddle);
        case 2:
            return VerticalBar(kRight, kTop, kMiddle);
        case 3:
            return HorizontalBar(kLeft, kRight, kMiddle);
        case 4:
            return VerticalBar(kLeft, kMiddle, kBottom);
        case 5:
            return VerticalBar(kRight, kMiddle, kBottom);
        case 6:
            return HorizontalBar(kLeft, kRight, kBottom);
        default:
            return {};
    }
}

// Fourteen segments need a wider body than seven so that the diagonals have room between the bars.
QPainterPath FourteenSegment(int segment) {
    constexpr double left = 6.5, right = 40.5, centre = (left + right) / 2;
    constexpr double thick = 6.5, thin = 5;
    // The inner edges of the boxes the diagonals cross.
    constexpr double innerLeft = left + thick / 2 + kGap, innerRight = right - thick / 2 - kGap;
    constexpr double centreLeft = centre - thin / 2 - kGap, centreRight = centre + thin / 2 + kGap;
    constexpr double innerTop = kTop + thick / 2 + kGap, innerBottom = kBottom - thick / 2 - kGap;
    constexpr double middleTop = kMiddle - thick / 2 - kGap, middleBottom = kMiddle + thick / 2 + kGap;
    switch (segment) {
        case 0:
            return VerticalBar(centre, kTop + thick / 2, kMiddle - thick / 2, thin);
        case 1:
            return Diagonal(innerLeft, innerTop, centreLeft, middleTop);
        case 2:
            return Diagonal(innerRight, innerTop, centreRight, middleTop);
        case 3:
            return Diagonal(innerLeft, innerBottom, centreLeft, middleBottom);
        case 4:
            return Diagonal(innerRight, innerBottom, centreRight, middleBottom);
        case 5:
            return VerticalBar(centre, kMiddle + thick / 2, kBottom - thick / 2, thin);
        case 6:
            return HorizontalBar(left, centre, kMiddle, thick);
        case 7:
            return HorizontalBar(centre, right, kMiddle, thick);
        case 8:
            return VerticalBar(left, kTop, kMiddle, thick);
        case 9:
            return VerticalBar(left, kMiddle, kBottom, thick);
        case 10:
            return HorizontalBar(left, right, kBottom, thick);
        case 11:
            return VerticalBar(right, kMiddle, kBottom, thick);
        case 12:
            return VerticalBar(right, kTop, kMiddle, thick);
        case 13:
            return HorizontalBar(left, right, kTop, thick);
        default:
            return {};
    }
}

QPainterPath Dot(double centreX, double centreY) {
    constexpr double r = 3.6;
    return Closed({{centreX - r, centreY - r},
                   {centreX + r, centreY - r},
                   {centreX + r, centreY + r},
                   {centreX - r, centreY + r}});
}

// Dots sit in an 18-wide cell; the decimal point rests on the base line of the digits.
QPainterPath PunctuationSegment(int segment) {
    constexpr double centreX = 8;
    switch (segment) {
        case 0:
            return Dot(centreX, (kTop + kMiddle) / 2 + 2);
        case 1:
            return Dot(centreX, (kMiddle + kBottom) / 2 + 2);
        case 2:
            return Dot(centreX, kBottom - 0.5);
        default:
            return {};
    }
}

}  // namespace

QPainterPath SegmentOutline(GlyphKind kind, int segment) {
    switch (kind) {
        case GlyphKind::SevenSegment:
            return SevenSegment(segment);
        case GlyphKind::FourteenSegment:
            return FourteenSegment(segment);
        case GlyphKind::Punctuation:
            return PunctuationSegment(segment);
    }
    return {};
}

}  // namespace terrovane::panel

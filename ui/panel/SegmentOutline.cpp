#include "SegmentOutline.h"

#include <QPolygonF>
#include <QTransform>
#include <QtMath>

namespace terrovane::panel {
namespace {

// The digit body inside the 49 x 83 cell, before slanting.
constexpr double kLeft = 9.5, kRight = 37.5, kCentreX = (kLeft + kRight) / 2;
constexpr double kTop = 7, kBottom = 74, kMiddle = (kTop + kBottom) / 2;
constexpr double kThick = 7;     // bar thickness
constexpr double kGap = 1.6;     // gap between neighbouring bars
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

// A diagonal stroke between two inner corners of a quadrant, kept clear of the surrounding bars.
QPainterPath Diagonal(double x0, double y0, double x1, double y1) {
    const double inset = kThick / 2 + kGap + 0.8;
    const double sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
    const QPointF a(x0 + sx * inset, y0 + sy * inset), b(x1 - sx * inset, y1 - sy * inset);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const double nx = -(b.y() - a.y()) / length * 2.2, ny = (b.x() - a.x()) / length * 2.2;
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

QPainterPath FourteenSegment(int segment) {
    constexpr double thin = kThick * 0.8;
    switch (segment) {
        case 0:
            return VerticalBar(kCentreX, kTop, kMiddle, thin);
        case 1:
            return Diagonal(kLeft, kTop, kCentreX, kMiddle);
        case 2:
            return Diagonal(kRight, kTop, kCentreX, kMiddle);
        case 3:
            return Diagonal(kLeft, kBottom, kCentreX, kMiddle);
        case 4:
            return Diagonal(kRight, kBottom, kCentreX, kMiddle);
        case 5:
            return VerticalBar(kCentreX, kMiddle, kBottom, thin);
        case 6:
            return HorizontalBar(kLeft, kCentreX, kMiddle);
        case 7:
            return HorizontalBar(kCentreX, kRight, kMiddle);
        case 8:
            return VerticalBar(kLeft, kTop, kMiddle);
        case 9:
            return VerticalBar(kLeft, kMiddle, kBottom);
        case 10:
            return HorizontalBar(kLeft, kRight, kBottom);
        case 11:
            return VerticalBar(kRight, kMiddle, kBottom);
        case 12:
            return VerticalBar(kRight, kTop, kMiddle);
        case 13:
            return HorizontalBar(kLeft, kRight, kTop);
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
    constexpr double centreX = 5.5;
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

#pragma once

#include <QColor>
#include <QLocale>
#include <QPainter>

#include <array>
#include <optional>
#include <vector>

#include "GridGeometry.h"
#include "SafetyRaster.h"

namespace terrovane::plots {

// What a map of touch or step voltages over a grid shows: the raster's points, the values to colour
// (SafetyRaster::touch or ::step, volts, NaN where there is none), the limit they are judged against and
// the grid's conductors to draw over them.
struct SafetyMapData {
    const electrode::SafetyRaster* raster = nullptr;
    const std::vector<double>* values = nullptr;
    double limit = 0;
    std::vector<grid::Segment> conductors;
    // A line across the ground drawn over the map (the profile's), from the first point to the second.
    std::optional<std::array<electrode::Point, 2>> line;
    QColor text = Qt::black;         // the legend's frame and labels
    QLocale numbers = QLocale::c();  // the notation of its numbers: the user's on screen only
};

// The colour scale's top: the largest value shown or a quarter above the limit, whichever is higher, so
// that the limit always lies on the legend.
double SafetyScaleTop(const std::vector<double>& values, double limit);
// How many points reach the limit (the unsafe ground).
int PointsAtOrAboveLimit(const std::vector<double>& values, double limit);
// Hue from blue through green and yellow to red: a scale that reads without a legend's help as "more".
QColor SafetyColour(double share);

// Each point's value as a colour from blue (none) to red (the scale's top), the ground where it reaches
// the limit hatched and bordered (the contour of the limit), the conductors over it to scale, y up the page
// as on a site plan, and a legend of the colours with the limit marked on it. Used by the window and the
// site report alike.
void PaintSafetyMap(QPainter& painter, const QRectF& area, const SafetyMapData& data);

// The rectangle the map's cells fill within `area` when painted in `font` (the legend beside it); empty
// where there is nothing to paint or no room.
QRectF SafetyMapField(const QFont& font, const QRectF& area, const SafetyMapData& data);
// The point of the ground under a point of that rectangle, and where a point of the ground lies in it.
electrode::Point GroundUnder(const QRectF& field, const electrode::SafetyRaster& raster, QPointF at);
QPointF PictureOf(const QRectF& field, const electrode::SafetyRaster& raster, electrode::Point ground);

}  // namespace terrovane::plots

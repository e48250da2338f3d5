#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "GridGeometry.h"
#include "SafetyMapContent.h"
#include "SafetyRaster.h"

namespace terrovane::engineering {

// The touch or step voltage computed over a grid, drawn from its raster: each point's value as a colour
// from blue (none) to red (the scale's top), the ground where it reaches the limit hatched and bordered,
// the grid's conductors over it to scale, and a legend of the colours with the limit marked on it. A line
// dragged across it chooses the profile.
class SafetyMap : public QWidget {
  public:
    explicit SafetyMap(QWidget* parent = nullptr);

    // The raster in volts, the limits it is judged against and the grid's conductors; an empty raster
    // clears the map.
    void SetRaster(const electrode::SafetyRaster& raster, double touchLimit, double stepLimit,
                   const std::vector<grid::Segment>& conductors);
    void Clear();
    void SetQuantity(MapQuantity quantity);
    // What the map shows, with its limit and colour scale.
    const SafetyMapContent& Content() const { return content_; }
    // The colour of a value on the scale.
    static QColor ColourOf(double share);

    // Paints the map into any rectangle: the widget, or a PNG, SVG or PDF page.
    void Paint(QPainter& painter, const QRectF& area) const;

    // The profile's line drawn over the map; none hides it.
    void SetLine(std::optional<std::array<electrode::Point, 2>> line);
    const std::optional<std::array<electrode::Point, 2>>& Line() const { return line_; }
    // Called when a line has been dragged across the map (pressed at its start, released at its end), in
    // the grid's metres.
    std::function<void(electrode::Point from, electrode::Point to)> lineDragged;
    // The ground under a point of the widget; none off the map.
    std::optional<electrode::Point> GroundAt(QPointF at) const;

    QSize sizeHint() const override { return {360, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    SafetyMapContent content_;
    std::optional<std::array<electrode::Point, 2>> line_;
    std::optional<electrode::Point> dragFrom_;
    std::optional<std::array<electrode::Point, 2>> lineBefore_;  // shown again when a drag comes to nothing
};

}  // namespace terrovane::engineering

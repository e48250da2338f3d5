#pragma once

#include <QPainter>

#include "TrendChart.h"

namespace terrovane::history {

// Draws the trend chart as it stands: its series laid out, and the point under the mouse.
class TrendPainter {
  public:
    explicit TrendPainter(const TrendChart& chart);

    // The axes, the limit, the readings, the over-range markers and the hover box, each over the last.
    void Paint(QPainter& painter) const;

  private:
    void PaintAxes(QPainter& painter) const;
    // The limit that applies, as a dashed line with its value and source.
    void PaintLimit(QPainter& painter) const;
    void PaintSeries(QPainter& painter) const;
    // Each over-range reading as a triangle pointing up out of the plot, labelled where there is room.
    void PaintOverRange(QPainter& painter) const;
    void PaintHover(QPainter& painter) const;
    QPointF HoveredPoint() const;

    const TrendChart& chart_;
    const TrendSeries& series_;
    const TrendLayout& layout_;
    int hovered_;
};

}  // namespace terrovane::history

#pragma once

#include <QWidget>

#include <vector>

#include "GridGeometry.h"

namespace terrovane::engineering {

// The grid seen from above, to scale: its conductors, its rods as dots on their crossings and its length
// and width; the same metres per pixel both ways, whatever the widget's shape.
class GridDrawing : public QWidget {
  public:
    explicit GridDrawing(QWidget* parent = nullptr);

    // Shows this layout with these rods (none when absent); an empty layout clears the drawing.
    void SetGrid(const grid::GridLayout& layout, const std::vector<grid::Point>& rods);
    const std::vector<grid::Segment>& Conductors() const { return conductors_; }
    const std::vector<grid::Point>& Rods() const { return rods_; }

    QSize sizeHint() const override { return {360, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    grid::GridLayout layout_;
    std::vector<grid::Segment> conductors_;
    std::vector<grid::Point> rods_;
};

}  // namespace terrovane::engineering

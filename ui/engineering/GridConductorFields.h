#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QWidget>

#include "GridDesign.h"
#include "GridFieldBoxes.h"

namespace terrovane::engineering {

// The grid safety window's "Grid" fields: the shape, size, conductors and depth of the grid, and the
// cut-out of an L-shaped one (only then enabled).
class GridConductorFields {
  public:
    // The fields are `window`'s children; their names on screen go into `names`.
    GridConductorFields(QWidget* window, DesignFieldNames& names);

    QGroupBox* Group() const { return group_; }
    QComboBox& Shape() const { return *shape_; }
    QDoubleSpinBox& Length() const { return *length_; }
    QDoubleSpinBox& Width() const { return *width_; }
    QSpinBox& ConductorsLengthwise() const { return *conductorsLengthwise_; }
    QSpinBox& ConductorsWidthwise() const { return *conductorsWidthwise_; }
    QDoubleSpinBox& Depth() const { return *depth_; }
    QDoubleSpinBox& CutoutLength() const { return *cutoutLength_; }
    QDoubleSpinBox& CutoutWidth() const { return *cutoutWidth_; }

    grid::GridLayout Layout() const;
    void Fill(const grid::GridLayout& g);
    // The cut-out only for an L-shaped grid.
    void EnableForShape();

  private:
    QGroupBox* group_ = nullptr;
    QComboBox* shape_ = nullptr;
    QDoubleSpinBox* length_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QSpinBox* conductorsLengthwise_ = nullptr;
    QSpinBox* conductorsWidthwise_ = nullptr;
    QDoubleSpinBox* depth_ = nullptr;
    QDoubleSpinBox* diameter_ = nullptr;
    QDoubleSpinBox* cutoutLength_ = nullptr;
    QDoubleSpinBox* cutoutWidth_ = nullptr;
};

}  // namespace terrovane::engineering

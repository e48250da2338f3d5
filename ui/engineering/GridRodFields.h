#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QWidget>

#include "GridDesign.h"
#include "GridFieldBoxes.h"

namespace terrovane::engineering {

// The grid safety window's "Rods" and "Surface layer" fields: the ground rods added to the grid (none
// with a count of zero) and the crushed rock over it (none while unticked).
class GridRodFields {
  public:
    // The fields are `window`'s children; their names on screen go into `names`.
    GridRodFields(QWidget* window, DesignFieldNames& names);

    QGroupBox* RodGroup() const { return rodGroup_; }
    QSpinBox& RodCount() const { return *rodCount_; }
    QDoubleSpinBox& RodLength() const { return *rodLength_; }
    QGroupBox& SurfaceLayer() const { return *surface_; }

    // The rods and the surface layer of `design` from the fields.
    void ReadInto(grid::GridDesign& design) const;
    void Fill(const grid::GridDesign& design);

  private:
    void BuildSurfaceFields(QWidget* window, DesignFieldNames& names);

    QGroupBox* rodGroup_ = nullptr;
    QSpinBox* rodCount_ = nullptr;
    QDoubleSpinBox* rodLength_ = nullptr;
    QDoubleSpinBox* rodDiameter_ = nullptr;
    QComboBox* placement_ = nullptr;
    QGroupBox* surface_ = nullptr;
    QDoubleSpinBox* surfaceRho_ = nullptr;
    QDoubleSpinBox* surfaceThickness_ = nullptr;
};

}  // namespace terrovane::engineering

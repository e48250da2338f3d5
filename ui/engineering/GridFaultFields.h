#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QWidget>

#include "Assessment.h"
#include "GridDesign.h"
#include "GridFieldBoxes.h"

namespace terrovane::engineering {

// The grid safety window's "Fault and body" fields: the current (given at the grid or as the fault's,
// then with its split and offset), the fault's duration, the body, the standard and what EN 50522 adds
// in series with the body (only enabled under it).
class GridFaultFields {
  public:
    // The fields are `window`'s children; their names on screen go into `names`.
    GridFaultFields(QWidget* window, DesignFieldNames& names);

    QGroupBox* Group() const { return group_; }
    QComboBox& Standard() const { return *standard_; }
    QCheckBox& Standing() const { return *standing_; }
    grid::Standard ChosenStandard() const;

    // The fault, the body and the additional resistances of `design` from the fields.
    void ReadInto(grid::GridDesign& design) const;
    void Fill(const grid::GridDesign& design);
    // The split, X/R and frequency only for a fault current; footwear and standing only under EN 50522.
    void EnableForChoices();

  private:
    QGroupBox* group_ = nullptr;
    QComboBox* currentKind_ = nullptr;
    QDoubleSpinBox* current_ = nullptr;
    QDoubleSpinBox* split_ = nullptr;
    QDoubleSpinBox* xOverR_ = nullptr;
    QDoubleSpinBox* frequency_ = nullptr;
    QDoubleSpinBox* duration_ = nullptr;
    QComboBox* body_ = nullptr;
    QComboBox* standard_ = nullptr;
    QDoubleSpinBox* footwear_ = nullptr;
    QCheckBox* standing_ = nullptr;
};

}  // namespace terrovane::engineering

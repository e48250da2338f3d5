#pragma once

#include <QString>
#include <QWidget>

#include "GridConductorFields.h"
#include "GridDesign.h"
#include "GridFaultFields.h"
#include "GridFieldBoxes.h"
#include "GridRodFields.h"

namespace terrovane::engineering {

// The grid safety window's design, as fields: the grid, its rods and surface layer, the fault and body;
// the design read from them and put into them, and a problem with it named by its field's name on screen.
class GridDesignForm {
  public:
    // The fields are `window`'s children, built in the order they are tabbed through.
    explicit GridDesignForm(QWidget* window);

    GridConductorFields& Conductors() { return conductors_; }
    const GridConductorFields& Conductors() const { return conductors_; }
    GridRodFields& Rods() { return rods_; }
    const GridRodFields& Rods() const { return rods_; }
    GridFaultFields& Fault() { return fault_; }
    const GridFaultFields& Fault() const { return fault_; }

    grid::GridDesign Design() const;
    // Puts `design` into the fields; while it does, Filling() is true, so edits it makes are not the user's.
    void Fill(const grid::GridDesign& design);
    bool Filling() const { return filling_; }
    // Enables the fields that count with the current choices of shape, current and standard.
    void EnableForChoices();
    QString ProblemText(const grid::DesignProblem& problem) const;

  private:
    DesignFieldNames fieldNames_;
    GridConductorFields conductors_;
    GridRodFields rods_;
    GridFaultFields fault_;
    bool filling_ = false;
};

}  // namespace terrovane::engineering

#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <optional>

#include "Archive.h"
#include "Assessment.h"
#include "GridAssessments.h"
#include "GridComputation.h"
#include "GridSweep.h"
#include "SoilCertainty.h"

namespace terrovane::engineering {

// The grid safety window's "Soil" fields: the stored model (where there is one) or a typed resistivity,
// the design assessed and swept on it, and a note on the uniform soil the formulas took from it.
class GridSoilFields {
  public:
    // The fields are `window`'s children; `model` the stored soil model, if any.
    GridSoilFields(QWidget* window, std::optional<grid::FittedSoil> model);

    QGroupBox* Group() const { return group_; }
    QComboBox& SoilSource() const { return *soilSource_; }
    QDoubleSpinBox& TypedResistivity() const { return *typedRho_; }
    QLabel& SoilNote() const { return *soilNote_; }
    const std::optional<grid::FittedSoil>& Model() const { return model_; }
    bool TypedSoil() const;

    // None where the typed resistivity is not above zero.
    std::optional<grid::Assessment> Assess(const grid::GridDesign& design, grid::Standard standard) const;
    grid::SweepOutcome FindSmallestSafe(const grid::GridDesign& design, grid::Standard standard) const;
    GridComputation::Request ComputationRequest(const grid::GridDesign& design,
                                                const grid::Assessment& formulas) const;
    void ShowNote(const grid::UniformSoil& soil);
    // A stored assessment's soil, where it was typed.
    void ShowStored(const archive::StoredGridAssessment& stored);
    void EnableForChoice();

  private:
    QGroupBox* group_ = nullptr;
    QComboBox* soilSource_ = nullptr;
    QDoubleSpinBox* typedRho_ = nullptr;
    QLabel* soilNote_ = nullptr;
    std::optional<grid::FittedSoil> model_;
};

}  // namespace terrovane::engineering

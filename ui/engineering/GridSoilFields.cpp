#include "GridSoilFields.h"

#include <QFormLayout>

#include "GridFieldBoxes.h"
#include "GridFigures.h"
#include "GridWindow.h"

namespace terrovane::engineering {
namespace {

QString ShownResistivity(double value) {
    return keyboard::ShownSignificant(value, 4);
}

}  // namespace

GridSoilFields::GridSoilFields(QWidget* window, std::optional<grid::FittedSoil> model)
    : model_(std::move(model)) {
    group_ = new QGroupBox(GridWindow::tr("Soil"), window);
    auto* form = new QFormLayout(group_);
    soilSource_ = new QComboBox(window);
    if (model_)
        soilSource_->addItem(GridWindow::tr("Stored soil model (%n layer(s))", nullptr,
                                            static_cast<int>(model_->model.LayerCount())));
    soilSource_->addItem(GridWindow::tr("Typed resistivity"));
    typedRho_ = DesignNumberBox(window, 0, 1e7, 1, GridWindow::tr("Ω·m"));
    typedRho_->setValue(model_ ? model_->model.resistivities.front() : 100);
    form->addRow(GridWindow::tr("Soil from"), soilSource_);
    form->addRow(GridWindow::tr("Resistivity"), typedRho_);
    soilNote_ = new QLabel(window);
    soilNote_->setWordWrap(true);
    form->addRow(soilNote_);
}

bool GridSoilFields::TypedSoil() const {
    return !model_ || soilSource_->currentIndex() == 1;
}

// On a typed resistivity as it is; on a fitted model with the model's uncertainty judged too.
std::optional<grid::Assessment> GridSoilFields::Assess(const grid::GridDesign& design,
                                                       grid::Standard standard) const {
    if (!TypedSoil())
        return grid::AssessOnFittedSoil(design, *model_, standard);
    if (!(typedRho_->value() > 0))
        return std::nullopt;
    return grid::Assess(design, grid::GivenSoil(typedRho_->value()), standard);
}

grid::SweepOutcome GridSoilFields::FindSmallestSafe(const grid::GridDesign& design,
                                                    grid::Standard standard) const {
    return TypedSoil() ? grid::FindSmallestSafeGrid(design, grid::GivenSoil(typedRho_->value()), standard)
                       : grid::FindSmallestSafeGrid(design, *model_, standard);
}

GridComputation::Request GridSoilFields::ComputationRequest(const grid::GridDesign& design,
                                                            const grid::Assessment& formulas) const {
    const electrode::Soil soil =
        TypedSoil() ? electrode::Soil{{typedRho_->value()}, {}} : electrode::Soil(model_->model);
    return GridComputation::Request{design, soil, formulas,
                                    TypedSoil() ? std::nullopt : std::optional<grid::FittedSoil>(model_)};
}

void GridSoilFields::ShowNote(const grid::UniformSoil& soil) {
    switch (soil.method) {
        case grid::UniformMethod::Given:
            soilNote_->setText(
                GridWindow::tr("Uniform soil of %1 Ω·m, as typed.").arg(ShownResistivity(soil.resistivity)));
            break;
        case grid::UniformMethod::SingleLayer:
            soilNote_->setText(GridWindow::tr("Uniform soil of %1 Ω·m, the stored one-layer model.")
                                   .arg(ShownResistivity(soil.resistivity)));
            break;
        case grid::UniformMethod::ApparentAtEquivalentRadius:
            soilNote_->setText(
                GridWindow::tr(
                    "Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model "
                    "at the grid's equivalent radius of %3 m.")
                    .arg(ShownResistivity(soil.resistivity))
                    .arg(soil.layers)
                    .arg(Fixed(soil.spacing, 1)));
            break;
    }
}

void GridSoilFields::ShowStored(const archive::StoredGridAssessment& stored) {
    if (stored.soilMethod == grid::UniformMethodName(grid::UniformMethod::Given)) {
        typedRho_->setValue(stored.soilResistivity);
        soilSource_->setCurrentIndex(soilSource_->count() - 1);
    }
}

void GridSoilFields::EnableForChoice() {
    typedRho_->setEnabled(TypedSoil());
}

}  // namespace terrovane::engineering

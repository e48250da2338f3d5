#include "GridRodFields.h"

#include <QFormLayout>

#include <tuple>
#include <vector>

#include "GridWindow.h"
#include "NumberBox.h"

namespace terrovane::engineering {

GridRodFields::GridRodFields(QWidget* window, DesignFieldNames& names) {
    rodGroup_ = new QGroupBox(GridWindow::tr("Rods"), window);
    auto* form = new QFormLayout(rodGroup_);
    rodCount_ = new keyboard::WholeNumberBox(window);
    rodCount_->setRange(0, 10000);
    rodLength_ = DesignNumberBox(window, 0, 100, 2, GridWindow::tr("m"));
    rodDiameter_ = DesignNumberBox(window, 0, 1, 4, GridWindow::tr("m"));
    placement_ = new QComboBox(window);
    placement_->addItem(GridWindow::tr("On the perimeter"), static_cast<int>(grid::RodPlacement::Perimeter));
    placement_->addItem(GridWindow::tr("At the corners"), static_cast<int>(grid::RodPlacement::Corners));
    placement_->addItem(GridWindow::tr("Inside the grid"), static_cast<int>(grid::RodPlacement::Inside));
    const std::vector<std::tuple<QString, QWidget*, grid::DesignField>> rows = {
        {GridWindow::tr("Number of rods"), rodCount_, grid::DesignField::RodCount},
        {GridWindow::tr("Rod length"), rodLength_, grid::DesignField::RodLength},
        {GridWindow::tr("Rod diameter"), rodDiameter_, grid::DesignField::RodDiameter},
        {GridWindow::tr("Placement"), placement_, grid::DesignField::RodPlacement}};
    for (const auto& [label, widget, field] : rows) {
        form->addRow(label, widget);
        names[field] = label;
    }
    BuildSurfaceFields(window, names);
}

void GridRodFields::BuildSurfaceFields(QWidget* window, DesignFieldNames& names) {
    surface_ = new QGroupBox(GridWindow::tr("Surface layer (crushed rock)"), window);
    surface_->setCheckable(true);
    auto* form = new QFormLayout(surface_);
    surfaceRho_ = DesignNumberBox(window, 0, 1e7, 1, GridWindow::tr("Ω·m"));
    surfaceThickness_ = DesignNumberBox(window, 0, 10, 3, GridWindow::tr("m"));
    form->addRow(GridWindow::tr("Resistivity"), surfaceRho_);
    form->addRow(GridWindow::tr("Thickness"), surfaceThickness_);
    names[grid::DesignField::SurfaceResistivity] = GridWindow::tr("Surface resistivity");
    names[grid::DesignField::SurfaceThickness] = GridWindow::tr("Surface thickness");
}

void GridRodFields::ReadInto(grid::GridDesign& design) const {
    if (rodCount_->value() > 0)
        design.rods = grid::GroundRods{rodCount_->value(), rodLength_->value(), rodDiameter_->value(),
                                       static_cast<grid::RodPlacement>(placement_->currentData().toInt())};
    if (surface_->isChecked())
        design.surface = grid::SurfaceLayer{surfaceRho_->value(), surfaceThickness_->value()};
}

void GridRodFields::Fill(const grid::GridDesign& design) {
    const grid::GroundRods rods =
        design.rods.value_or(grid::GroundRods{0, 3.0, 0.016, grid::RodPlacement::Perimeter});
    rodCount_->setValue(rods.count);
    rodLength_->setValue(rods.length);
    rodDiameter_->setValue(rods.diameter);
    placement_->setCurrentIndex(placement_->findData(static_cast<int>(rods.placement)));
    surface_->setChecked(design.surface.has_value());
    const grid::SurfaceLayer surface = design.surface.value_or(grid::SurfaceLayer{2500, 0.1});
    surfaceRho_->setValue(surface.resistivity);
    surfaceThickness_->setValue(surface.thickness);
}

}  // namespace terrovane::engineering

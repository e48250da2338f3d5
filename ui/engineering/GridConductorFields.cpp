#include "GridConductorFields.h"

#include <QFormLayout>

#include <tuple>
#include <vector>

#include "GridWindow.h"
#include "NumberBox.h"

namespace terrovane::engineering {

GridConductorFields::GridConductorFields(QWidget* window, DesignFieldNames& names) {
    group_ = new QGroupBox(GridWindow::tr("Grid"), window);
    auto* form = new QFormLayout(group_);
    shape_ = new QComboBox(window);
    shape_->addItem(GridWindow::tr("Square"), static_cast<int>(grid::GridShape::Square));
    shape_->addItem(GridWindow::tr("Rectangular"), static_cast<int>(grid::GridShape::Rectangular));
    shape_->addItem(GridWindow::tr("L-shaped"), static_cast<int>(grid::GridShape::LShaped));
    length_ = DesignNumberBox(window, 0, 10000, 2, GridWindow::tr("m"));
    width_ = DesignNumberBox(window, 0, 10000, 2, GridWindow::tr("m"));
    conductorsLengthwise_ = new keyboard::WholeNumberBox(window);
    conductorsWidthwise_ = new keyboard::WholeNumberBox(window);
    for (QSpinBox* box : {conductorsLengthwise_, conductorsWidthwise_})
        box->setRange(2, 1000);
    depth_ = DesignNumberBox(window, 0, 10, 3, GridWindow::tr("m"));
    diameter_ = DesignNumberBox(window, 0, 1, 4, GridWindow::tr("m"));
    cutoutLength_ = DesignNumberBox(window, 0, 10000, 2, GridWindow::tr("m"));
    cutoutWidth_ = DesignNumberBox(window, 0, 10000, 2, GridWindow::tr("m"));
    const std::vector<std::tuple<QString, QWidget*, grid::DesignField>> rows = {
        {GridWindow::tr("Shape"), shape_, grid::DesignField::Shape},
        {GridWindow::tr("Length"), length_, grid::DesignField::GridLength},
        {GridWindow::tr("Width"), width_, grid::DesignField::GridWidth},
        {GridWindow::tr("Conductors along the length"), conductorsLengthwise_,
         grid::DesignField::ConductorsLengthwise},
        {GridWindow::tr("Conductors along the width"), conductorsWidthwise_,
         grid::DesignField::ConductorsWidthwise},
        {GridWindow::tr("Depth"), depth_, grid::DesignField::GridDepth},
        {GridWindow::tr("Conductor diameter"), diameter_, grid::DesignField::ConductorDiameter},
        {GridWindow::tr("Cut-out length (L)"), cutoutLength_, grid::DesignField::CutoutLength},
        {GridWindow::tr("Cut-out width (L)"), cutoutWidth_, grid::DesignField::CutoutWidth}};
    for (const auto& [label, widget, field] : rows) {
        form->addRow(label, widget);
        names[field] = label;
    }
}

grid::GridLayout GridConductorFields::Layout() const {
    grid::GridLayout g;
    g.shape = static_cast<grid::GridShape>(shape_->currentData().toInt());
    g.length = length_->value();
    g.width = width_->value();
    g.conductorsLengthwise = conductorsLengthwise_->value();
    g.conductorsWidthwise = conductorsWidthwise_->value();
    g.depth = depth_->value();
    g.conductorDiameter = diameter_->value();
    if (g.shape == grid::GridShape::LShaped) {
        g.cutoutLength = cutoutLength_->value();
        g.cutoutWidth = cutoutWidth_->value();
    }
    return g;
}

void GridConductorFields::Fill(const grid::GridLayout& g) {
    shape_->setCurrentIndex(shape_->findData(static_cast<int>(g.shape)));
    length_->setValue(g.length);
    width_->setValue(g.width);
    conductorsLengthwise_->setValue(g.conductorsLengthwise);
    conductorsWidthwise_->setValue(g.conductorsWidthwise);
    depth_->setValue(g.depth);
    diameter_->setValue(g.conductorDiameter);
    cutoutLength_->setValue(g.cutoutLength);
    cutoutWidth_->setValue(g.cutoutWidth);
}

void GridConductorFields::EnableForShape() {
    const bool lShaped = shape_->currentData().toInt() == static_cast<int>(grid::GridShape::LShaped);
    cutoutLength_->setEnabled(lShaped);
    cutoutWidth_->setEnabled(lShaped);
}

}  // namespace terrovane::engineering

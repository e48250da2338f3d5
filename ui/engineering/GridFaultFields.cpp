#include "GridFaultFields.h"

#include <QFormLayout>

#include <initializer_list>

#include "GridWindow.h"

namespace terrovane::engineering {

GridFaultFields::GridFaultFields(QWidget* window, DesignFieldNames& names) {
    group_ = new QGroupBox(GridWindow::tr("Fault and body"), window);
    auto* form = new QFormLayout(group_);
    currentKind_ = new QComboBox(window);
    currentKind_->addItem(GridWindow::tr("Grid current IG"));
    currentKind_->addItem(GridWindow::tr("Fault current 3I0"));
    current_ = DesignNumberBox(window, 0, 1e7, 1, GridWindow::tr("A"));
    split_ = DesignNumberBox(window, 0, 1, 3, QString());
    xOverR_ = DesignNumberBox(window, 0, 1000, 2, QString());
    frequency_ = DesignNumberBox(window, 0, 1000, 1, GridWindow::tr("Hz"));
    duration_ = DesignNumberBox(window, 0, 100, 3, GridWindow::tr("s"));
    body_ = new QComboBox(window);
    body_->addItem(GridWindow::tr("70 kg"), 70);
    body_->addItem(GridWindow::tr("50 kg"), 50);
    standard_ = new QComboBox(window);
    standard_->addItem(GridWindow::tr("IEEE Std 80-2013"));
    standard_->addItem(GridWindow::tr("EN 50522:2010"));
    footwear_ = DesignNumberBox(window, 0, 1e6, 0, GridWindow::tr("Ω"));
    standing_ = new QCheckBox(GridWindow::tr("Standing resistance of the feet"), window);
    form->addRow(GridWindow::tr("Current given"), currentKind_);
    form->addRow(GridWindow::tr("Current"), current_);
    form->addRow(GridWindow::tr("Split factor Sf"), split_);
    form->addRow(GridWindow::tr("X/R"), xOverR_);
    form->addRow(GridWindow::tr("Frequency"), frequency_);
    form->addRow(GridWindow::tr("Fault duration"), duration_);
    form->addRow(GridWindow::tr("Body"), body_);
    form->addRow(GridWindow::tr("Standard"), standard_);
    form->addRow(GridWindow::tr("Footwear (EN 50522)"), footwear_);
    form->addRow(QString(), standing_);
    names[grid::DesignField::GridCurrent] = GridWindow::tr("Current");
    names[grid::DesignField::FaultCurrent] = GridWindow::tr("Current");
    names[grid::DesignField::SplitFactor] = GridWindow::tr("Split factor Sf");
    names[grid::DesignField::XOverR] = GridWindow::tr("X/R");
    names[grid::DesignField::Frequency] = GridWindow::tr("Frequency");
    names[grid::DesignField::Duration] = GridWindow::tr("Fault duration");
    names[grid::DesignField::BodyKg] = GridWindow::tr("Body");
    names[grid::DesignField::Footwear] = GridWindow::tr("Footwear (EN 50522)");
}

grid::Standard GridFaultFields::ChosenStandard() const {
    return standard_->currentIndex() == 1 ? grid::Standard::En50522 : grid::Standard::Ieee80;
}

void GridFaultFields::ReadInto(grid::GridDesign& design) const {
    grid::FaultData& f = design.fault;
    if (currentKind_->currentIndex() == 0)
        f.gridCurrent = current_->value();
    else
        f.faultCurrent = current_->value();
    f.splitFactor = split_->value();
    f.xOverR = xOverR_->value();
    f.frequency = frequency_->value();
    f.duration = duration_->value();
    design.bodyKg = body_->currentData().toInt();
    design.additional = {footwear_->value(), standing_->isChecked()};
}

void GridFaultFields::Fill(const grid::GridDesign& design) {
    const grid::FaultData& f = design.fault;
    currentKind_->setCurrentIndex(f.gridCurrent ? 0 : 1);
    current_->setValue(f.gridCurrent.value_or(f.faultCurrent));
    split_->setValue(f.splitFactor);
    xOverR_->setValue(f.xOverR);
    frequency_->setValue(f.frequency);
    duration_->setValue(f.duration);
    body_->setCurrentIndex(body_->findData(design.bodyKg));
    footwear_->setValue(design.additional.footwear);
    standing_->setChecked(design.additional.standing);
}

void GridFaultFields::EnableForChoices() {
    const bool fromFault = currentKind_->currentIndex() == 1;
    for (QWidget* field : std::initializer_list<QWidget*>{split_, xOverR_, frequency_})
        field->setEnabled(fromFault);
    const bool en = standard_->currentIndex() == 1;
    footwear_->setEnabled(en);
    standing_->setEnabled(en);
}

}  // namespace terrovane::engineering

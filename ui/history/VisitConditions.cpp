// The visit dialog's conditions on the day.
#include "VisitConditions.h"

#include <QHBoxLayout>
#include <QLabel>

#include "VisitDialog.h"
#include "VisitText.h"

namespace terrovane::history {

void VisitConditions::Build(QWidget* dialog, QFormLayout* form, const archive::Visit& start) {
    weather_ = new QLineEdit(QString::fromStdString(start.weather), dialog);
    weather_->setPlaceholderText(VisitDialog::tr("e.g. overcast, rain overnight"));
    form->addRow(VisitDialog::tr("&Weather:"), weather_);
    temperatureGiven_ = new QCheckBox(VisitDialog::tr("measured"), dialog);
    temperature_ = new keyboard::NumberBox(dialog);
    temperature_->setAccessibleName(VisitDialog::tr("Air temperature"));
    temperature_->setDecimals(1);
    temperature_->setRange(-80, 70);
    temperature_->setSuffix(QStringLiteral(" °C"));
    temperatureGiven_->setChecked(start.airTemperature.has_value());
    temperature_->setValue(start.airTemperature.value_or(0));
    temperature_->setEnabled(start.airTemperature.has_value());
    QObject::connect(temperatureGiven_, &QCheckBox::toggled, temperature_, &QWidget::setEnabled);
    auto* temperatureRow = new QHBoxLayout;
    temperatureRow->addWidget(temperatureGiven_);
    temperatureRow->addWidget(temperature_, 1);
    auto* temperatureLabel = new QLabel(VisitDialog::tr("Air &temperature:"), dialog);
    temperatureLabel->setBuddy(temperatureGiven_);
    form->addRow(temperatureLabel, temperatureRow);
    soil_ = new QComboBox(dialog);
    soil_->addItem(VisitDialog::tr("not stated"), static_cast<int>(archive::SoilCondition::Unknown));
    for (const archive::SoilCondition soil : {archive::SoilCondition::Dry, archive::SoilCondition::Moist,
                                              archive::SoilCondition::Wet, archive::SoilCondition::Frozen}) {
        soil_->addItem(texts::SoilConditionText(soil), static_cast<int>(soil));
    }
    soil_->setCurrentIndex(std::max(0, soil_->findData(static_cast<int>(start.soil))));
    form->addRow(VisitDialog::tr("&Soil:"), soil_);
    notes_ = new QPlainTextEdit(QString::fromStdString(start.notes), dialog);
    notes_->setTabChangesFocus(true);
    notes_->setMaximumHeight(notes_->fontMetrics().height() * 5);
    form->addRow(VisitDialog::tr("&Notes:"), notes_);
}

void VisitConditions::Fill(archive::Visit& visit) const {
    visit.weather = weather_->text().trimmed().toStdString();
    visit.airTemperature =
        temperatureGiven_->isChecked() ? std::optional(temperature_->value()) : std::optional<double>();
    visit.soil = static_cast<archive::SoilCondition>(soil_->currentData().toInt());
    visit.notes = notes_->toPlainText().trimmed().toStdString();
}

}  // namespace terrovane::history

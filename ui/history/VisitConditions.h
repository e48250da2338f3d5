#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "NumberBox.h"
#include "Visit.h"

namespace terrovane::history {

// The visit dialog's conditions on the day: the weather, the air temperature if it was measured, the
// soil, and notes.
class VisitConditions {
  public:
    // The conditions' rows of the form, filled from `start`.
    void Build(QWidget* dialog, QFormLayout* form, const archive::Visit& start);
    // The visit's conditions as the fields give them.
    void Fill(archive::Visit& visit) const;

    QLineEdit& Weather() const { return *weather_; }
    QCheckBox& TemperatureGiven() const { return *temperatureGiven_; }
    keyboard::NumberBox& Temperature() const { return *temperature_; }
    QComboBox& Soil() const { return *soil_; }
    QPlainTextEdit& Notes() const { return *notes_; }

  private:
    QLineEdit* weather_ = nullptr;
    QCheckBox* temperatureGiven_ = nullptr;
    keyboard::NumberBox* temperature_ = nullptr;
    QComboBox* soil_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
};

}  // namespace terrovane::history

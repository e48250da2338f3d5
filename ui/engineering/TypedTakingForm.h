#pragma once

#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QWidget>

#include "TypedTaking.h"

namespace terrovane::engineering {

// When readings typed in were measured, with which instrument and by whom, and a note: the fields a
// result typed by hand has, for a traverse or a sounding.
class TypedTakingForm : public QWidget {
  public:
    explicit TypedTakingForm(QWidget* parent = nullptr);

    QDateTimeEdit& Measured() const { return *measured_; }
    QLineEdit& Instrument() const { return *instrument_; }
    QLineEdit& MeasuredBy() const { return *by_; }
    QLineEdit& Note() const { return *note_; }

    // What the fields hold; typedBy is the account this program runs under.
    archive::TypedTaking Taking() const;
    void Show(const archive::TypedTaking& taking);

  private:
    QDateTimeEdit* measured_ = nullptr;
    QLineEdit* instrument_ = nullptr;
    QLineEdit* by_ = nullptr;
    QLineEdit* note_ = nullptr;
};

}  // namespace terrovane::engineering

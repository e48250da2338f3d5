#include "TypedTakingForm.h"

#include <QCoreApplication>

#include "TypedResults.h"

namespace terrovane::engineering {
namespace {

const QString kMinuteFormat = QStringLiteral("yyyy-MM-dd HH:mm");

}  // namespace

TypedTakingForm::TypedTakingForm(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    measured_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    measured_->setDisplayFormat(kMinuteFormat);
    measured_->setCalendarPopup(true);
    form->addRow(QCoreApplication::translate("TypedReadings", "Measured &on:"), measured_);
    instrument_ = new QLineEdit(this);
    instrument_->setPlaceholderText(QCoreApplication::translate("TypedReadings", "make, model, serial"));
    form->addRow(QCoreApplication::translate("TypedReadings", "&Instrument:"), instrument_);
    by_ = new QLineEdit(this);
    form->addRow(QCoreApplication::translate("TypedReadings", "Measured &by:"), by_);
    note_ = new QLineEdit(this);
    form->addRow(QCoreApplication::translate("TypedReadings", "No&te:"), note_);
}

archive::TypedTaking TypedTakingForm::Taking() const {
    archive::TypedTaking taking;
    taking.measured = measured_->dateTime().toString(kMinuteFormat).toStdString();
    taking.instrument = instrument_->text().trimmed().toStdString();
    taking.measuredBy = by_->text().trimmed().toStdString();
    taking.note = note_->text().trimmed().toStdString();
    taking.typedBy = archive::TypingAccount();
    return taking;
}

void TypedTakingForm::Show(const archive::TypedTaking& taking) {
    measured_->setDateTime(QDateTime::fromString(QString::fromStdString(taking.measured), kMinuteFormat));
    instrument_->setText(QString::fromStdString(taking.instrument));
    by_->setText(QString::fromStdString(taking.measuredBy));
    note_->setText(QString::fromStdString(taking.note));
}

}  // namespace terrovane::engineering

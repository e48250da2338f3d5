#pragma once

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QTime>
#include <QTimeEdit>

namespace terrovane::ui {

// Asks for the date and time to set in the instrument; both start at the PC's current date and time.
class CDateTimeDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDatePickerId = 1027;
    static constexpr int kTimePickerId = 1026;

    explicit CDateTimeDlg(QWidget* parent = nullptr);

    QDate DateValue() const { return datePicker_->date(); }
    QTime TimeValue() const { return timePicker_->time(); }
    QDateEdit* DatePicker() const { return datePicker_; }
    QTimeEdit* TimePicker() const { return timePicker_; }

  private:
    void CreateControls();

    QDateEdit* datePicker_ = nullptr;
    QTimeEdit* timePicker_ = nullptr;
};

// The date picker's bounds: the instrument keeps the year as two digits after 2000.
QDate EarliestInstrumentDate();
QDate LatestInstrumentDate();

}  // namespace terrovane::ui

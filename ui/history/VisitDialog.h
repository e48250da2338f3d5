#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <functional>

#include "NumberBox.h"
#include "Result.h"
#include "Visit.h"

namespace terrovane::history {

// "New visit..." and "Edit visit...": what was done at a site on one day, and in what conditions. The
// instruments are a small table (name, serial, calibration due date); a warning names each instrument
// whose calibration was due before the visit's date, as the date or a due date is typed. OK stores the
// visit through `store`; what is refused keeps the dialog open and says what to change.
class VisitDialog : public QDialog {
    Q_OBJECT

  public:
    using Store = std::function<archive::Result<std::int64_t>(const archive::Visit&)>;

    // `start` fills the fields (its id and site are kept); a new visit starts on today's date.
    VisitDialog(const QString& site, const archive::Visit& start, Store store, QWidget* parent = nullptr);

    enum InstrumentColumn { kInstrumentName, kInstrumentSerial, kInstrumentDue, kInstrumentColumns };

    QDateEdit& Date() const { return *date_; }
    QLineEdit& By() const { return *by_; }
    QTableWidget& Instruments() const { return *instruments_; }
    QPushButton& AddInstrument() const { return *addInstrument_; }
    QPushButton& RemoveInstrument() const { return *removeInstrument_; }
    QLabel& CalibrationWarning() const { return *warning_; }
    QLineEdit& Weather() const { return *weather_; }
    QCheckBox& TemperatureGiven() const { return *temperatureGiven_; }
    keyboard::NumberBox& Temperature() const { return *temperature_; }
    QComboBox& Soil() const { return *soil_; }
    QPlainTextEdit& Notes() const { return *notes_; }
    QLabel& Problem() const { return *problem_; }
    // The visit as the fields give it now.
    archive::Visit Fields() const;
    // The id the visit has once OK stored it.
    std::int64_t StoredId() const { return storedId_; }

    void accept() override;

  protected:
    // Enter in a cell of the instruments' table ends that cell's editing, not the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddInstrumentRow(const archive::VisitInstrument& instrument);
    void UpdateWarning();

    archive::Visit start_;
    Store store_;
    QDateEdit* date_ = nullptr;
    QLineEdit* by_ = nullptr;
    QTableWidget* instruments_ = nullptr;
    QPushButton* addInstrument_ = nullptr;
    QPushButton* removeInstrument_ = nullptr;
    QLabel* warning_ = nullptr;
    QLineEdit* weather_ = nullptr;
    QCheckBox* temperatureGiven_ = nullptr;
    keyboard::NumberBox* temperature_ = nullptr;
    QComboBox* soil_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QLabel* problem_ = nullptr;
    std::int64_t storedId_ = 0;
};

}  // namespace terrovane::history

#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <functional>

#include "Result.h"
#include "Visit.h"
#include "VisitConditions.h"
#include "VisitInstruments.h"

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

    using enum VisitInstruments::Column;

    QDateEdit& Date() const { return *date_; }
    QLineEdit& By() const { return *by_; }
    QTableWidget& Instruments() const { return instruments_.Table(); }
    QPushButton& AddInstrument() const { return instruments_.AddButton(); }
    QPushButton& RemoveInstrument() const { return instruments_.RemoveButton(); }
    QLabel& CalibrationWarning() const { return *warning_; }
    // The weather, air temperature, soil and notes.
    const VisitConditions& Conditions() const { return conditions_; }
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
    void UpdateWarning();

    archive::Visit start_;
    Store store_;
    QDateEdit* date_ = nullptr;
    QLineEdit* by_ = nullptr;
    VisitInstruments instruments_;
    QLabel* warning_ = nullptr;
    VisitConditions conditions_;
    QLabel* problem_ = nullptr;
    std::int64_t storedId_ = 0;
};

}  // namespace terrovane::history

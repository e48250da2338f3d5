#pragma once

#include <QDialog>
#include <QFormLayout>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <vector>

#include "Visit.h"

namespace terrovane::history {

// The visit dialog's instruments: a small table of name, serial and calibration due date, with buttons
// to add and remove a row.
class VisitInstruments {
  public:
    enum Column { kInstrumentName, kInstrumentSerial, kInstrumentDue, kInstrumentColumns };

    // The table and its buttons as the form's "Instruments:" row, filled with `start`; a row removed goes
    // to `removed`. The dialog filters the table's keys (Enter ends a cell's editing, not the dialog).
    void Build(QDialog* dialog, QFormLayout* form, const std::vector<archive::VisitInstrument>& start,
               std::function<void()> removed);
    // The instruments in the table; a row left empty is none.
    std::vector<archive::VisitInstrument> Instruments() const;

    QTableWidget& Table() const { return *instruments_; }
    QPushButton& AddButton() const { return *addInstrument_; }
    QPushButton& RemoveButton() const { return *removeInstrument_; }

  private:
    void AddInstrumentRow(const archive::VisitInstrument& instrument);

    QTableWidget* instruments_ = nullptr;
    QPushButton* addInstrument_ = nullptr;
    QPushButton* removeInstrument_ = nullptr;
};

}  // namespace terrovane::history

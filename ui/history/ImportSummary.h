#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include "ReadingImport.h"

namespace terrovane::history {

// The import dialog's page after an import: how many rows were taken, and the refused ones with their
// lines and reasons.
class ImportSummary {
  public:
    QWidget* Build(QWidget* dialog);
    void Show(const imports::ImportReport& report);

    QTableWidget& RefusedRows() const { return *refused_; }

  private:
    QLabel* summary_ = nullptr;
    QTableWidget* refused_ = nullptr;
};

}  // namespace terrovane::history

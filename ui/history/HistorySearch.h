#pragma once

#include <QBoxLayout>
#include <QLineEdit>
#include <QTimer>

#include "HistoryControls.h"
#include "ResultFilters.h"

namespace terrovane::history {

// The archive window's search field above the tree and the list; both narrow a moment after the typing
// stops.
class HistorySearch {
  public:
    HistorySearch(HistoryControls& controls, ResultFilters& filters)
        : controls_(controls), filters_(filters) {}

    // The field with its label, and Ctrl+F that goes to it.
    QBoxLayout* Build();
    QLineEdit& SearchField() const { return *search_; }
    // The words searched for now, once the pause after typing is over.
    void SearchNow();
    // How long the latest search took in this thread (the tree and the list's first page), for the
    // benchmark.
    double LatestSearchMilliseconds() const { return latestSearchMs_; }

  private:
    HistoryControls& controls_;
    ResultFilters& filters_;
    QLineEdit* search_ = nullptr;
    QTimer* searchPause_ = nullptr;
    double latestSearchMs_ = 0;
};

}  // namespace terrovane::history

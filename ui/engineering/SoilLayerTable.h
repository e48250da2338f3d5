#pragma once

#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "SoilFit.h"

namespace terrovane::engineering {

// The soil window's layers of the fitted model, one row each with its resistivity, thickness and depth
// (each with its sigma) and whether the data pin it down; beside the plot, or under it beside a typed
// sounding so the window still fits a narrow screen.
class SoilLayerTable {
  public:
    // The table is `window`'s child, added to `middle` beside `plotColumn`.
    SoilLayerTable(QWidget* window, QHBoxLayout& middle, QVBoxLayout& plotColumn);

    QTableWidget& Table() const { return *table_; }
    void Show(const analysis::SoilFit& fit);
    // Under the plot (beside a typed sounding) or beside it.
    void PlaceUnderPlot(bool under);

  private:
    QTableWidget* table_ = nullptr;
    QHBoxLayout& middle_;      // typed panel, plot column and (read-outs' sounding) layer table
    QVBoxLayout& plotColumn_;  // the plot, and the layer table beside a typed sounding
};

}  // namespace terrovane::engineering

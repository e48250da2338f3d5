#pragma once

#include <QWidget>

#include "HistoryControls.h"

namespace terrovane::history {

// The engineering windows the archive window opens: the soil model of the chosen resistivity results (or
// of the chosen site's), the fall-of-potential curve of the chosen 3-pole results, the grid safety of the
// chosen site, and the soil models and curves kept in the archive.
class AnalysisWindows {
  public:
    explicit AnalysisWindows(HistoryControls& controls) : controls_(controls) {}

    QWidget* ShowSoilModel();
    QWidget* ShowFallOfPotential();
    // "Grid safety..." of the site chosen in the tree (or the site of the point chosen).
    QWidget* ShowGridSafety();
    // The soil models and curves kept in the archive, to open again or delete.
    QWidget* ShowStoredAnalyses();

  private:
    HistoryControls& controls_;
};

}  // namespace terrovane::history

#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FopPlot.h"
#include "PointChoice.h"

namespace terrovane::engineering {

// The fall-of-potential window's outcome: the curve's plot (saved to a file on request), its values in
// words, the results left off it, the store button and the status line.
class FopOutcome {
  public:
    // The plot goes into `body`, and `body` into `outer` with the rest below it, all `window`'s children;
    // "Store with" names `point`.
    FopOutcome(QWidget* window, QHBoxLayout& body, QVBoxLayout& outer,
               const std::optional<PointChoice>& point);

    FopPlot& Plot() const { return *plot_; }
    QLabel& Values() const { return *values_; }
    QLabel& Status() const { return *status_; }
    // The results left off the curve and why, one a line; hidden when there are none.
    QLabel& LeftOutNotes() const { return *leftOutNotes_; }
    QPushButton& StoreButton() const { return *store_; }
    QPushButton& SavePlotButton() const { return *savePlot_; }

    // The notes of `leftOut` under the curve, where `shown` and there are any.
    void ShowLeftOut(const std::vector<std::string>& leftOut, bool shown = true);
    // Asks for the plot's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> plotFileChooser;
    void SavePlotFile(QWidget* window);

  private:
    FopPlot* plot_ = nullptr;
    QLabel* values_ = nullptr;
    QLabel* leftOutNotes_ = nullptr;
    QPushButton* savePlot_ = nullptr;
    QPushButton* store_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace terrovane::engineering

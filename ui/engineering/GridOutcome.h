#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>

#include "Assessment.h"
#include "GridSafety.h"

namespace terrovane::engineering {

// The grid safety window's outcome: the tolerable against the formulas' values (and the computation's in
// the soil model beside them), the verdict in words and colour, the warnings, the commands to find the
// smallest safe grid and to store the assessment, and the status line.
class GridOutcome {
  public:
    // The table is `window`'s child; the verdict and the commands come with AddVerdictAndCommands.
    explicit GridOutcome(QWidget* window);

    // Tolerable, the formulas', and with the computation in the soil model its values and their
    // difference from the formulas' (the last two columns hidden when it is off).
    QTableWidget& Results() const { return *table_; }
    static constexpr int kSoilColumn = 2;
    static constexpr int kDifferenceColumn = 3;
    QLabel& Verdict() const { return *verdict_; }
    QLabel& Status() const { return *status_; }
    QPushButton& StoreButton() const { return *store_; }

    // Below the table (and what the window puts between): the verdict, the warnings, the buttons
    // ("Store with" `siteName`, none without a site) and the status line, into `column`.
    void AddVerdictAndCommands(QWidget* window, QVBoxLayout& column, const std::optional<QString>& siteName,
                               const std::function<void()>& findSmallestSafe,
                               const std::function<void()>& store);
    void ShowAssessment(const grid::Assessment& a, bool storable);
    void ShowProblem(const QString& problem);
    // The computation's values beside the formulas' `a`, with the touch voltage within reach of the grid.
    void ShowComputed(const electrode::ComputedSafety& c, const grid::Assessment& a);
    // No computed values; their columns shown while `computing` is on.
    void ClearComputed(bool computing);

  private:
    QTableWidget* table_ = nullptr;
    int resistanceRow_ = 0;  // the row of Sverak's resistance
    QLabel* verdict_ = nullptr;
    QLabel* warnings_ = nullptr;
    QPushButton* store_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace terrovane::engineering

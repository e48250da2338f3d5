#pragma once

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <optional>

#include "Assessment.h"
#include "GridComputation.h"
#include "GridOutcome.h"
#include "GridPictures.h"

namespace terrovane::engineering {

// The grid safety window's computation in the soil model: the switch, the computation started once edits
// pause and run away from the window's thread, its progress with Cancel when it takes more than a moment,
// and what it found: its values in the outcome's table, its verdict and the pictures' map and profile.
class GridComputedInSoil {
  public:
    // The widgets are `window`'s children, added to `column`; the computed values go beside the formulas'
    // `assessment` (the window's, none while the design cannot be assessed).
    GridComputedInSoil(QWidget* window, QVBoxLayout& column, bool onAtStart, GridOutcome& outcome,
                       GridPictures& pictures, const std::optional<grid::Assessment>& assessment);

    QCheckBox& ComputeInSoil() const { return *computeInSoil_; }
    QLabel& ComputedVerdict() const { return *computedVerdict_; }
    QProgressBar& Progress() const { return *progress_; }
    QPushButton& CancelButton() const { return *cancel_; }
    bool Computing() const { return computation_->Running() || delay_->isActive(); }
    const GridComputation& Computation() const { return *computation_; }

    // Computes `request` once the edits pause (nothing while the switch is off).
    void Schedule(GridComputation::Request request);
    // Stops a running computation (its result is never shown) and clears what the last one showed.
    void Stop();

  private:
    void ShowProgress();
    void ShowProblem(const QString& text);
    void ShowComputed(const electrode::ComputedSafety& c);

    GridOutcome& outcome_;
    GridPictures& pictures_;
    const std::optional<grid::Assessment>& assessment_;
    QCheckBox* computeInSoil_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* computedVerdict_ = nullptr;
    QLabel* computedNote_ = nullptr;
    QTimer* delay_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QElapsedTimer started_;
    GridComputation* computation_ = nullptr;
    std::optional<GridComputation::Request> pending_;
};

}  // namespace terrovane::engineering

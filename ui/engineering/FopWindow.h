#pragma once

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "FopOutcome.h"
#include "FopPredictedCurve.h"
#include "FopResultsTable.h"
#include "FopTypedTraverse.h"
#include "PointChoice.h"
#include "TypedTraverses.h"

namespace terrovane::engineering {

// "Fall of potential": the chosen earth-resistance results in a table with each one's potential-probe
// distance (filled in evenly over D until the user edits one), the current-probe distance D, the curve
// against x/D with the 61.8 % mark and the plateau band, the resistance at 61.8 %, the plateau check and
// the slope method; the curve kept with its test point. Where the point's site has a soil model, the
// curve predicted for the electrode in that soil (the site's stored grid for a grid point, else a rod)
// is drawn beside the readings with the position where the probe reads the true resistance. A traverse
// measured with another instrument is typed in instead (distance and resistance), kept with the point like
// a result and analysed exactly as the results are.
//
// The window holds its parts and wires them: the results' table, the predicted curve, the typed traverse
// and the outcome.
class FopWindow : public QWidget {
  public:
    static constexpr double kDefaultCurrentProbe = 50;

    FopWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
              std::optional<PointChoice> point, QWidget* parent = nullptr,
              const archive::ValidityThresholds& thresholds = {});

    QDoubleSpinBox& CurrentProbe() const { return *currentProbe_; }
    FopResultsTable& Readings() const { return *results_; }
    FopPredictedCurve& Prediction() const { return *prediction_; }
    FopTypedTraverse& Typed() const { return *typed_; }
    FopOutcome& Outcome() const { return *outcome_; }
    const analysis::FopAnalysis& Analysis() const { return analysis_; }

    // Fills the distances in evenly over D.
    void SpreadEvenly();
    void Analyse();
    void StoreWithPoint();
    // Shows a stored curve again: its readings at their distances and its D.
    void ShowStored(const archive::StoredFopCurve& curve);
    // The typed traverse in place of the chosen results, or back.
    void SetTyped(bool typed);
    // Shows a kept typed traverse again: its readings, its D and when, with what and by whom.
    void ShowTyped(const archive::TypedTraverse& traverse);

  private:
    // The readings the curve is made of, the results' or the typed ones; false with what is missing.
    bool CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const;

    archive::Archive* archive_;
    std::optional<PointChoice> point_;
    analysis::FopAnalysis analysis_;
    QDoubleSpinBox* currentProbe_ = nullptr;
    QPushButton* spread_ = nullptr;
    std::unique_ptr<FopPredictedCurve> prediction_;
    std::unique_ptr<FopTypedTraverse> typed_;
    std::unique_ptr<FopResultsTable> results_;
    std::unique_ptr<FopOutcome> outcome_;
};

}  // namespace terrovane::engineering

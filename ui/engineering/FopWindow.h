#pragma once

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "FopPlot.h"
#include "FopPrediction.h"
#include "FopSession.h"
#include "FopTypedPanel.h"
#include "TypedTraverses.h"

namespace terrovane::engineering {

// A test point the window's curve may be kept with.
struct PointChoice {
    std::int64_t id = 0;
    QString name;  // "site / point"
};

// "Fall of potential": the chosen earth-resistance results in a table with each one's potential-probe
// distance (filled in evenly over D until the user edits one), the current-probe distance D, the curve
// against x/D with the 61.8 % mark and the plateau band, the resistance at 61.8 %, the plateau check and
// the slope method; the curve kept with its test point. Where the point's site has a soil model, the
// curve predicted for the electrode in that soil (the site's stored grid for a grid point, else a rod)
// is drawn beside the readings with the position where the probe reads the true resistance. A traverse
// measured with another instrument is typed in instead (distance and resistance), kept with the point like
// a result and analysed exactly as the results are.
class FopWindow : public QWidget {
  public:
    static constexpr double kDefaultCurrentProbe = 50;

    FopWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
              std::optional<PointChoice> point, QWidget* parent = nullptr,
              const archive::ValidityThresholds& thresholds = {});

    QTableWidget& Readings() const { return *table_; }
    QDoubleSpinBox& CurrentProbe() const { return *currentProbe_; }
    QLabel& Values() const { return *values_; }
    QLabel& Status() const { return *status_; }
    // The results left off the curve and why, one a line; hidden when there are none.
    QLabel& LeftOutNotes() const { return *leftOutNotes_; }
    QPushButton& StoreButton() const { return *store_; }
    QPushButton& SavePlotButton() const { return *savePlot_; }
    // The rod's length for the prediction; hidden without a soil model or for a grid.
    QDoubleSpinBox& RodLength() const { return *rodLength_; }
    const std::optional<FopModel>& Model() const { return model_; }
    const std::optional<electrode::FopPlan>& Plan() const { return plan_; }

    // Asks for the plot's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> plotFileChooser;
    FopPlot& Plot() const { return *plot_; }
    const analysis::FopAnalysis& Analysis() const { return analysis_; }
    // The distances as entered; false with the first row that holds no number above 0.
    bool Distances(std::vector<double>& distances, int& badRow) const;

    // Fills the distances in evenly over D.
    void SpreadEvenly();
    void Analyse();
    void StoreWithPoint();
    // Shows a stored curve again: its readings at their distances and its D.
    void ShowStored(const archive::StoredFopCurve& curve);

    // "Readings typed in": the typed traverse in place of the chosen results.
    QCheckBox& TypedChoice() const { return *typed_; }
    FopTypedPanel& TypedPanel() const { return *typedPanel_; }
    bool TypedMode() const { return typed_->isChecked(); }
    void SetTyped(bool typed);
    // Keeps the typed traverse with the point; the status says how it went.
    void KeepTyped();
    // Shows a kept typed traverse again: its readings, its D and when, with what and by whom.
    void ShowTyped(const archive::TypedTraverse& traverse);
    void SavePlotFile();

  private:
    void DistanceEdited(QTableWidgetItem* item);
    // One row per result: its time, its resistance and an empty distance.
    void FillTable();
    // The notes of the results left off the curve under it, hidden when there are none.
    void ShowLeftOut();
    // The predicted curve for the current D, where there is a model.
    void Predict();
    QString PredictionText(const std::vector<analysis::FopReading>& readings) const;
    // The readings the curve is made of, the results' or the typed ones; false with what is missing.
    bool CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const;
    // The typed readings; false with what is wrong.
    bool TypedReadings(std::vector<analysis::FopReading>& readings, std::string& error) const;
    void ListKept();

    archive::Archive* archive_;
    std::optional<PointChoice> point_;
    std::vector<FopResult> results_;
    std::vector<std::string> leftOut_;  // results not on the curve and why, said below it and stored with it
    QLabel* leftOutNotes_ = nullptr;
    analysis::FopAnalysis analysis_;
    bool distancesEdited_ = false;
    bool filling_ = false;
    QTableWidget* table_ = nullptr;
    QDoubleSpinBox* currentProbe_ = nullptr;
    FopPlot* plot_ = nullptr;
    QLabel* values_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* store_ = nullptr;
    QPushButton* savePlot_ = nullptr;
    QDoubleSpinBox* rodLength_ = nullptr;
    QPushButton* spread_ = nullptr;
    QCheckBox* typed_ = nullptr;
    FopTypedPanel* typedPanel_ = nullptr;
    std::optional<FopModel> model_;
    std::optional<electrode::FopPlan> plan_;
};

}  // namespace terrovane::engineering

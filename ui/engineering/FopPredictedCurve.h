#pragma once

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

#include "FopPlotPainting.h"
#include "FopPrediction.h"

namespace terrovane::engineering {

// The fall-of-potential curve the site's soil model predicts for the point's electrode (its stored grid,
// else a rod of the length given here), drawn beside the readings with where the probe reads the true
// resistance, and said in words against what the readings give there.
class FopPredictedCurve {
  public:
    // The rod's length field is `window`'s child, added to `row`; it is shown only for a rod in a soil
    // model (`model`, none without one).
    FopPredictedCurve(QWidget* window, QHBoxLayout& row, std::optional<FopModel> model);

    QDoubleSpinBox& RodLength() const { return *rodLength_; }
    const std::optional<FopModel>& Model() const { return model_; }
    const std::optional<electrode::FopPlan>& Plan() const { return plan_; }

    // The predicted curve for the current probe at `currentProbe`, where there is a model.
    void Predict(double currentProbe);
    // The predicted curve into `data` (of the readings' at `data.currentProbe`) and its line into `lines`.
    void AddTo(plots::FopPlotData& data, QStringList& lines) const;

  private:
    QString PredictionText(const std::vector<analysis::FopReading>& readings, double currentProbe) const;

    QDoubleSpinBox* rodLength_ = nullptr;
    std::optional<FopModel> model_;
    std::optional<electrode::FopPlan> plan_;
};

}  // namespace terrovane::engineering

#include "FopPredictedCurve.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

#include "NumberBox.h"
#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

// The readings' resistance at a distance, straight between the two around it; none outside them.
std::optional<double> ReadingAt(std::vector<analysis::FopReading> readings, double distance) {
    std::sort(
        readings.begin(), readings.end(),
        [](const analysis::FopReading& a, const analysis::FopReading& b) { return a.distance < b.distance; });
    for (std::size_t i = 1; i < readings.size(); ++i) {
        const analysis::FopReading& a = readings[i - 1];
        const analysis::FopReading& b = readings[i];
        if (distance >= a.distance && distance <= b.distance && b.distance > a.distance)
            return a.resistance +
                   (b.resistance - a.resistance) * (distance - a.distance) / (b.distance - a.distance);
    }
    return std::nullopt;
}

}  // namespace

FopPredictedCurve::FopPredictedCurve(QWidget* window, QHBoxLayout& row, std::optional<FopModel> model)
    : model_(std::move(model)) {
    auto* rodLabel = new QLabel(QCoreApplication::translate("FopWindow", "Rod length (m):"), window);
    rodLength_ = new keyboard::NumberBox(window);
    rodLabel->setBuddy(rodLength_);
    rodLength_->setRange(0.1, 100);
    rodLength_->setDecimals(2);
    rodLength_->setValue(kDefaultRodLength);
    rodLength_->setToolTip(
        QCoreApplication::translate("FopWindow", "The rod the predicted curve is worked out for"));
    row.addWidget(rodLabel);
    row.addWidget(rodLength_);
    rodLabel->setVisible(model_ && !model_->grid);
    rodLength_->setVisible(model_ && !model_->grid);
}

void FopPredictedCurve::Predict(double currentProbe) {
    plan_.reset();
    if (!model_)
        return;
    electrode::FopPlan plan = PredictFop(*model_, currentProbe, rodLength_->value());
    if (plan.status == electrode::FopPlanStatus::Planned)
        plan_ = std::move(plan);
}

void FopPredictedCurve::AddTo(plots::FopPlotData& data, QStringList& lines) const {
    if (!plan_)
        return;
    for (const electrode::FopPlanPoint& point : plan_->curve)
        data.predicted.push_back({point.distance, point.resistance});
    data.predictedTrueFraction = plan_->trueFraction;
    lines << PredictionText(data.readings, data.currentProbe);
}

// What the model says: the true resistance and where the probe reads it, and what the readings give there.
QString FopPredictedCurve::PredictionText(const std::vector<analysis::FopReading>& readings,
                                          double currentProbe) const {
    const QString electrode = model_->grid
                                  ? QCoreApplication::translate("FopWindow", "the site's grid of %1 m x %2 m")
                                        .arg(keyboard::ShownSignificant(model_->gridLength, 4),
                                             keyboard::ShownSignificant(model_->gridWidth, 4))
                                  : QCoreApplication::translate("FopWindow", "a rod of %1 m")
                                        .arg(keyboard::ShownSignificant(rodLength_->value(), 4));
    if (!plan_->trueFraction)
        return QCoreApplication::translate("FopWindow",
                                           "Soil model, %1: %2 Ω; the predicted curve does not reach it "
                                           "before the current probe: a longer D is needed.")
            .arg(electrode, keyboard::ShownSignificant(plan_->trueResistance, 4));
    const double fraction = *plan_->trueFraction;
    QString text =
        QCoreApplication::translate("FopWindow",
                                    "Soil model, %1: %2 Ω, read with the potential probe at %3 % of "
                                    "D rather than 61.8 %.")
            .arg(electrode, keyboard::ShownSignificant(plan_->trueResistance, 4),
                 keyboard::ShownNumber(100 * fraction, 1));
    if (const std::optional<double> there = ReadingAt(readings, fraction * currentProbe))
        text += QLatin1Char(' ') + QCoreApplication::translate("FopWindow", "The readings give %1 Ω there.")
                                       .arg(keyboard::ShownSignificant(*there, 4));
    return text;
}

}  // namespace terrovane::engineering

#include "FopWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "EscapeCloses.h"
#include "FocusFrame.h"
#include "FopSummaryText.h"
#include "NumberBox.h"
#include "ScreenFit.h"
#include "UserGuide.h"

namespace terrovane::engineering {

FopWindow::FopWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
                     std::optional<PointChoice> point, QWidget* parent,
                     const archive::ValidityThresholds& thresholds)
    : QWidget(parent, Qt::Window), archive_(archive), point_(std::move(point)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(point_
                       ? QCoreApplication::translate("FopWindow", "Fall of potential - %1").arg(point_->name)
                       : QCoreApplication::translate("FopWindow", "Fall of potential"));
    std::vector<std::string> leftOut;
    std::vector<FopResult> results = FopResultsOf(rows, leftOut, thresholds);
    const bool tooFewResults = results.size() < 2;
    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* probe = new QHBoxLayout;
    auto* probeLabel = new QLabel(QCoreApplication::translate("FopWindow", "Current probe D (m):"), this);
    probe->addWidget(probeLabel);
    currentProbe_ = new keyboard::NumberBox(this);
    probeLabel->setBuddy(currentProbe_);
    currentProbe_->setRange(0.1, 100000);
    currentProbe_->setDecimals(2);
    currentProbe_->setValue(kDefaultCurrentProbe);
    probe->addWidget(currentProbe_);
    spread_ = new QPushButton(QCoreApplication::translate("FopWindow", "Spread evenly"), this);
    probe->addWidget(spread_);
    prediction_ = std::make_unique<FopPredictedCurve>(
        this, *probe,
        archive_ != nullptr && point_ ? FopModelOfPoint(*archive_, point_->id) : std::optional<FopModel>());
    probe->addStretch(1);
    left->addLayout(probe);
    typed_ = std::make_unique<FopTypedTraverse>(this, archive_, point_);
    left->addWidget(&typed_->Choice());
    results_ = std::make_unique<FopResultsTable>(this, std::move(results), std::move(leftOut));
    left->addWidget(&results_->Table(), 1);
    typed_->AddPanel(this, *left);
    body->addLayout(left, 2);
    outcome_ = std::make_unique<FopOutcome>(this, *body, *outer, point_);
    outcome_->ShowLeftOut(results_->LeftOut());
    prediction_->Predict(currentProbe_->value());
    SpreadEvenly();
    connect(spread_, &QPushButton::clicked, this, &FopWindow::SpreadEvenly);
    connect(&typed_->Choice(), &QCheckBox::toggled, this, &FopWindow::SetTyped);
    typed_->Panel().Readings().changed = [this] { Analyse(); };
    connect(&typed_->Panel().KeepButton(), &QPushButton::clicked, this,
            [this] { typed_->Keep(currentProbe_->value(), outcome_->Status()); });
    connect(&typed_->Panel().Stored(), &QComboBox::currentIndexChanged, this, [this] {
        if (const std::optional<archive::TypedTraverse> chosen = typed_->Panel().Chosen())
            ShowTyped(*chosen);
    });
    typed_->ListKept(outcome_->Status());
    // Without two results to make a curve of, a point's window is for a traverse typed in.
    if (tooFewResults && point_)
        typed_->Choice().setChecked(true);
    connect(&prediction_->RodLength(), &QDoubleSpinBox::valueChanged, this, [this] {
        prediction_->Predict(currentProbe_->value());
        Analyse();
    });
    connect(currentProbe_, &QDoubleSpinBox::valueChanged, this, [this] {
        prediction_->Predict(currentProbe_->value());
        if (!results_->Edited())
            SpreadEvenly();
        else
            Analyse();
    });
    results_->WatchEdits(this, [this] { Analyse(); });
    connect(&outcome_->StoreButton(), &QPushButton::clicked, this, &FopWindow::StoreWithPoint);
    connect(&outcome_->SavePlotButton(), &QPushButton::clicked, this,
            [this] { outcome_->SavePlotFile(this); });
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageFallOfPotential);
    screenfit::ResizeOnScreen(this, QSize(1100, 600));
}

void FopWindow::ShowStored(const archive::StoredFopCurve& curve) {
    SetTyped(false);  // a stored curve is shown with its own readings, whatever the window opened for
    {
        const QSignalBlocker quiet(currentProbe_);
        currentProbe_->setValue(curve.currentProbe);
    }
    results_->ShowStored(curve);
    outcome_->ShowLeftOut(results_->LeftOut());
    Analyse();
}

void FopWindow::SpreadEvenly() {
    results_->SpreadEvenly(currentProbe_->value());
    Analyse();
}

bool FopWindow::CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const {
    readings.clear();
    if (typed_->On())
        return typed_->Readings(readings, error);
    return results_->CurveReadings(readings, error);
}

void FopWindow::Analyse() {
    plots::FopPlotData data;
    data.currentProbe = currentProbe_->value();
    std::string error;
    // The typed readings go through the one analysis the instrument's results go through.
    const bool curve = CurveReadings(data.readings, error);
    if (!curve) {
        analysis_ = {};
        analysis_.error = error;
    } else {
        analysis_ = analysis::AnalyseFallOfPotential(data.readings, data.currentProbe);
        if (analysis_.Ok())
            data.resistanceAt618 = analysis_.resistanceAt618;
    }
    QStringList lines;
    lines << texts::FopSummaryText(analysis_, QLocale());
    prediction_->AddTo(data, lines);
    outcome_->Values().setText(lines.join(QLatin1Char('\n')));
    outcome_->Plot().SetData(std::move(data));
    outcome_->StoreButton().setEnabled(point_ && archive_ != nullptr && curve);
}

void FopWindow::StoreWithPoint() {
    std::vector<analysis::FopReading> readings;
    std::string error;
    if (!point_ || archive_ == nullptr || !CurveReadings(readings, error))
        return;
    archive::StoredFopCurve curve;
    if (typed_->On()) {
        curve.point = point_->id;
        curve.currentProbe = currentProbe_->value();
        for (const analysis::FopReading& reading : readings)
            curve.readings.push_back({reading.distance, reading.resistance, std::nullopt});
    } else {
        curve = results_->StoredCurve(readings, currentProbe_->value(), point_->id);
    }
    const archive::Status stored = archive::StoreFopCurve(*archive_, curve);
    outcome_->Status().setText(
        stored ? QCoreApplication::translate("FopWindow", "Curve stored with %1").arg(point_->name)
               : texts::FailureText(stored.Error()));
}

void FopWindow::SetTyped(bool typed) {
    if (typed_->On() != typed) {
        typed_->Choice().setChecked(typed);  // comes back here through its signal
        return;
    }
    results_->Table().setVisible(!typed);
    spread_->setVisible(!typed);
    outcome_->LeftOutNotes().setVisible(!typed && !results_->LeftOut().empty());
    typed_->Panel().setVisible(typed);
    Analyse();
}

void FopWindow::ShowTyped(const archive::TypedTraverse& traverse) {
    SetTyped(true);
    {
        const QSignalBlocker quiet(currentProbe_);
        currentProbe_->setValue(traverse.currentProbe);
    }
    prediction_->Predict(currentProbe_->value());
    std::vector<std::pair<double, double>> readings;
    for (const archive::TypedTraverseReading& reading : traverse.readings)
        readings.emplace_back(reading.distance, reading.resistance);
    typed_->Panel().Taking().Show(traverse.taking);
    typed_->Panel().Readings().SetReadings(readings);  // analyses again
}

}  // namespace terrovane::engineering

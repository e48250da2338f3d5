// The grid safety window's computation in the soil model: the switch, the progress, the values beside
// the formulas', the verdict and the map.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <cmath>

#include "GridFigures.h"
#include "GridReasonText.h"
#include "GridSoilText.h"
#include "GridWindow.h"
#include "PlotSaving.h"
#include "TableCell.h"
#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

// Edits come in bursts (a spin box held down, a value typed digit by digit): the computation starts once
// they pause for this long.
constexpr int kPauseBeforeComputingMs = 250;
// A computation shorter than this shows no progress bar at all.
constexpr int kMomentMs = 400;
// The results table's rows the computed values go beside (ShowAssessment puts them first).
constexpr int kTouchRow = 0;
constexpr int kStepRow = 1;
constexpr int kGprRow = 2;

const QColor kSafe(0x1b, 0x7a, 0x2e);
const QColor kUnsafe(0xc0, 0x1c, 0x1c);

QString Where(const electrode::Point& at) {
    return GridWindow::tr("(%1 m, %2 m)").arg(Fixed(at.x, 1), Fixed(at.y, 1));
}

QString Difference(double computed, double formulas) {
    if (!(formulas != 0))
        return {};
    const double percent = 100 * (computed / formulas - 1);
    return (percent >= 0 ? QStringLiteral("+") : QString()) + GridWindow::tr("%1 %").arg(Fixed(percent, 1));
}

// One end of the soil's uncertainty: its top layer and what the grid gives on it.
QString EndText(const electrode::ComputedEnd& end) {
    return GridWindow::tr(
               "With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 "
               "(limit %5): %6")
        .arg(Fixed(end.topResistivity, 0), Volts(end.touch.volts), Volts(end.touchLimit),
             Volts(end.step.volts), Volts(end.stepLimit), texts::GridVerdictText(end.verdict));
}

}  // namespace

QWidget* GridWindow::BuildComputed() {
    auto* group = new QWidget(this);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    computeInSoil_ = new QCheckBox(tr("Compute in the soil model"), this);
    computeInSoil_->setToolTip(
        tr("The grid's conductors and rods solved in the soil's layers, the surface "
           "potential mapped over the grid and 3 m around it"));
    computeInSoil_->setChecked(model_ && model_->model.LayerCount() > 1);
    column->addWidget(computeInSoil_);
    auto* progressRow = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    cancel_ = new QPushButton(tr("Cancel"), this);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    column->addLayout(progressRow);
    progress_->hide();
    cancel_->hide();
    computedVerdict_ = new QLabel(this);
    computedVerdict_->setWordWrap(true);
    computedVerdict_->setTextFormat(Qt::PlainText);
    column->addWidget(computedVerdict_);
    computedNote_ = new QLabel(this);
    computedNote_->setWordWrap(true);
    column->addWidget(computedNote_);

    computation_ = new GridComputation([this](const electrode::ComputedSafety& c) { ShowComputed(c); }, this);
    delay_ = new QTimer(this);
    delay_->setSingleShot(true);
    delay_->setInterval(kPauseBeforeComputingMs);
    connect(delay_, &QTimer::timeout, this, [this] {
        if (!pending_)
            return;
        started_.start();
        computation_->Start(std::move(*pending_));
        pending_.reset();
        progressTimer_->start();
    });
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &GridWindow::ShowProgress);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        computation_->Cancel();
        ShowComputedProblem(tr("Computation cancelled."));
    });
    connect(computeInSoil_, &QCheckBox::toggled, this, [this] { Recompute(); });
    return group;
}

void GridWindow::ScheduleComputation(const grid::GridDesign& design, const grid::Assessment& formulas) {
    if (!computeInSoil_->isChecked())
        return StopComputation();
    const electrode::Soil soil =
        TypedSoil() ? electrode::Soil{{typedRho_->value()}, {}} : electrode::Soil(model_->model);
    ShowComputedProblem(tr("Computing in the soil model..."));
    // A computation of the design before this edit is of no use any more, and one that has just finished
    // must not be shown over the new design's figures.
    computation_->Cancel();
    pending_ = GridComputation::Request{design, soil, formulas,
                                        TypedSoil() ? std::nullopt : std::optional<grid::FittedSoil>(model_)};
    delay_->start();
}

void GridWindow::ShowProgress() {
    if (!computation_->Running()) {
        progressTimer_->stop();
        progress_->hide();
        cancel_->hide();
        return;
    }
    if (started_.elapsed() < kMomentMs)
        return;
    progress_->show();
    cancel_->show();
    progress_->setValue(static_cast<int>(std::lround(100 * computation_->Share())));
}

void GridWindow::StopComputation() {
    computation_->Cancel();
    ShowComputedProblem(QString());
}

void GridWindow::ShowComputedProblem(const QString& text) {
    computed_.reset();
    pending_.reset();
    delay_->stop();
    for (int row = 0; row < results_->rowCount(); ++row)
        for (int column : {kSoilColumn, kDifferenceColumn})
            delete results_->takeItem(row, column);
    results_->setColumnHidden(kSoilColumn, !computeInSoil_->isChecked());
    results_->setColumnHidden(kDifferenceColumn, !computeInSoil_->isChecked());
    computedVerdict_->setStyleSheet(QString());
    computedVerdict_->setText(text);
    computedNote_->clear();
    map_->Clear();
    if (profile_ != nullptr)
        profile_->Show();
    progress_->hide();
    cancel_->hide();
}

void GridWindow::ShowComputed(const electrode::ComputedSafety& c) {
    progressTimer_->stop();
    progress_->hide();
    cancel_->hide();
    if (c.status == electrode::ComputedStatus::NotSolved)
        return ShowComputedProblem(
            tr("The solver gave up on this grid (too many segments, or conductors on "
               "top of each other)."));
    if (c.status != electrode::ComputedStatus::Computed)
        return ShowComputedProblem(tr("The soil model has a layer without a resistivity or thickness."));
    if (!assessment_)  // the design went while it was computed; StopComputation has said so
        return;
    computed_ = c;
    const grid::Assessment& a = *assessment_;
    const auto put = [this](int row, const QString& value, const QString& difference,
                            std::optional<bool> within = std::nullopt) {
        QTableWidgetItem* cell = Cell(value);
        if (within)
            cell->setForeground(*within ? kSafe : kUnsafe);
        results_->setItem(row, kSoilColumn, cell);
        results_->setItem(row, kDifferenceColumn, Cell(difference));
    };
    put(kTouchRow, Volts(c.meshTouch.volts), Difference(c.meshTouch.volts, a.meshVoltage));
    put(kStepRow, Volts(c.step.volts), Difference(c.step.volts, a.stepVoltage), c.step.volts < c.stepLimit);
    put(kGprRow, Volts(c.gpr), Difference(c.gpr, a.gpr));
    put(resistanceRow_, tr("%1 Ω").arg(Fixed(c.resistance, 3)), Difference(c.resistance, a.gridResistance));
    // The verdict's touch voltage: within reach of the grid, against the limit on the model's top layer.
    const QString reachName = tr("Touch voltage within 1 m");
    int reach = results_->rowCount();
    const QTableWidgetItem* last = reach > 0 ? results_->verticalHeaderItem(reach - 1) : nullptr;
    if (last != nullptr && last->text() == reachName)
        --reach;  // shown again without the table made anew: the row is reused, never doubled
    results_->setRowCount(reach + 1);
    results_->setVerticalHeaderItem(reach, new QTableWidgetItem(reachName));
    results_->setItem(reach, 0, Cell(Volts(c.touchLimit)));
    results_->setItem(reach, 1, Cell(QString()));
    put(reach, Volts(c.touch.volts), QString(),
        c.verdict != grid::Verdict::Unsafe || c.touch.volts < c.touchLimit);

    QStringList verdict{tr("In the soil model: %1").arg(texts::GridVerdictText(c.verdict))};
    for (const electrode::ComputedReason& reason : c.reasons)
        verdict << texts::ComputedReasonText(reason, QLocale());
    verdict << tr("Largest touch voltage %1 at %2; largest step voltage %3 at %4.")
                   .arg(Volts(c.touch.volts), Where(c.touch.at), Volts(c.step.volts), Where(c.step.at));
    for (const std::optional<electrode::ComputedEnd>& end : {c.lowSoil, c.highSoil})
        if (end)
            verdict << EndText(*end);
    computedVerdict_->setText(verdict.join(QLatin1Char('\n')));
    computedVerdict_->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                        .arg((c.verdict == grid::Verdict::Safe ? kSafe : kUnsafe).name()));
    computedNote_->setText(tr("%1 segments, the surface on points %2 m apart; computed in %3 s.")
                               .arg(c.segments)
                               .arg(Fixed(c.raster.spacing, 2))
                               .arg(Fixed(started_.isValid() ? started_.elapsed() / 1000.0 : 0, 1)));
    map_->SetRaster(c.raster, c.touchLimit, c.stepLimit, drawing_->Conductors());
    profile_->ShowDefault();
}

}  // namespace terrovane::engineering

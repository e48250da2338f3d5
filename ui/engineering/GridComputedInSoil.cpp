#include "GridComputedInSoil.h"

#include <QHBoxLayout>

#include <cmath>

#include "GridFigures.h"
#include "GridReasonText.h"
#include "GridWindow.h"

namespace terrovane::engineering {
namespace {

// Edits come in bursts (a spin box held down, a value typed digit by digit): the computation starts once
// they pause for this long.
constexpr int kPauseBeforeComputingMs = 250;
// A computation shorter than this shows no progress bar at all.
constexpr int kMomentMs = 400;

QString Where(const electrode::Point& at) {
    return GridWindow::tr("(%1 m, %2 m)").arg(Fixed(at.x, 1), Fixed(at.y, 1));
}

// One end of the soil's uncertainty: its top layer and what the grid gives on it.
QString EndText(const electrode::ComputedEnd& end) {
    return GridWindow::tr(
               "With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 "
               "(limit %5): %6")
        .arg(Fixed(end.topResistivity, 0), Volts(end.touch.volts), Volts(end.touchLimit),
             Volts(end.step.volts), Volts(end.stepLimit), texts::GridVerdictText(end.verdict));
}

QString ComputedVerdictText(const electrode::ComputedSafety& c) {
    QStringList verdict{GridWindow::tr("In the soil model: %1").arg(texts::GridVerdictText(c.verdict))};
    for (const electrode::ComputedReason& reason : c.reasons)
        verdict << texts::ComputedReasonText(reason, QLocale());
    verdict << GridWindow::tr("Largest touch voltage %1 at %2; largest step voltage %3 at %4.")
                   .arg(Volts(c.touch.volts), Where(c.touch.at), Volts(c.step.volts), Where(c.step.at));
    for (const std::optional<electrode::ComputedEnd>& end : {c.lowSoil, c.highSoil})
        if (end)
            verdict << EndText(*end);
    return verdict.join(QLatin1Char('\n'));
}

}  // namespace

GridComputedInSoil::GridComputedInSoil(QWidget* window, QVBoxLayout& column, bool onAtStart,
                                       GridOutcome& outcome, GridPictures& pictures,
                                       const std::optional<grid::Assessment>& assessment)
    : outcome_(outcome), pictures_(pictures), assessment_(assessment) {
    auto* group = new QWidget(window);
    auto* rows = new QVBoxLayout(group);
    rows->setContentsMargins(0, 0, 0, 0);
    computeInSoil_ = new QCheckBox(GridWindow::tr("Compute in the soil model"), window);
    computeInSoil_->setToolTip(
        GridWindow::tr("The grid's conductors and rods solved in the soil's layers, the surface "
                       "potential mapped over the grid and 3 m around it"));
    computeInSoil_->setChecked(onAtStart);
    rows->addWidget(computeInSoil_);
    auto* progressRow = new QHBoxLayout;
    progress_ = new QProgressBar(window);
    progress_->setRange(0, 100);
    cancel_ = new QPushButton(GridWindow::tr("Cancel"), window);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    rows->addLayout(progressRow);
    progress_->hide();
    cancel_->hide();
    computedVerdict_ = new QLabel(window);
    computedVerdict_->setWordWrap(true);
    computedVerdict_->setTextFormat(Qt::PlainText);
    rows->addWidget(computedVerdict_);
    computedNote_ = new QLabel(window);
    computedNote_->setWordWrap(true);
    rows->addWidget(computedNote_);
    column.addWidget(group);

    computation_ =
        new GridComputation([this](const electrode::ComputedSafety& c) { ShowComputed(c); }, window);
    delay_ = new QTimer(window);
    delay_->setSingleShot(true);
    delay_->setInterval(kPauseBeforeComputingMs);
    QObject::connect(delay_, &QTimer::timeout, window, [this] {
        if (!pending_)
            return;
        started_.start();
        computation_->Start(std::move(*pending_));
        pending_.reset();
        progressTimer_->start();
    });
    progressTimer_ = new QTimer(window);
    progressTimer_->setInterval(100);
    QObject::connect(progressTimer_, &QTimer::timeout, window, [this] { ShowProgress(); });
    QObject::connect(cancel_, &QPushButton::clicked, window, [this] {
        computation_->Cancel();
        ShowProblem(GridWindow::tr("Computation cancelled."));
    });
}

void GridComputedInSoil::Schedule(GridComputation::Request request) {
    if (!computeInSoil_->isChecked())
        return Stop();
    ShowProblem(GridWindow::tr("Computing in the soil model..."));
    // A computation of the design before this edit is of no use any more, and one that has just finished
    // must not be shown over the new design's figures.
    computation_->Cancel();
    pending_ = std::move(request);
    delay_->start();
}

void GridComputedInSoil::ShowProgress() {
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

void GridComputedInSoil::Stop() {
    computation_->Cancel();
    ShowProblem(QString());
}

void GridComputedInSoil::ShowProblem(const QString& text) {
    pending_.reset();
    delay_->stop();
    outcome_.ClearComputed(computeInSoil_->isChecked());
    computedVerdict_->setStyleSheet(QString());
    computedVerdict_->setText(text);
    computedNote_->clear();
    pictures_.ClearComputed();
    progress_->hide();
    cancel_->hide();
}

void GridComputedInSoil::ShowComputed(const electrode::ComputedSafety& c) {
    progressTimer_->stop();
    progress_->hide();
    cancel_->hide();
    if (c.status == electrode::ComputedStatus::NotSolved)
        return ShowProblem(
            GridWindow::tr("The solver gave up on this grid (too many segments, or conductors on "
                           "top of each other)."));
    if (c.status != electrode::ComputedStatus::Computed)
        return ShowProblem(GridWindow::tr("The soil model has a layer without a resistivity or thickness."));
    if (!assessment_)  // the design went while it was computed; Stop has said so
        return;
    outcome_.ShowComputed(c, *assessment_);
    computedVerdict_->setText(ComputedVerdictText(c));
    computedVerdict_->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                        .arg(VerdictColour(c.verdict == grid::Verdict::Safe).name()));
    computedNote_->setText(GridWindow::tr("%1 segments, the surface on points %2 m apart; computed in %3 s.")
                               .arg(c.segments)
                               .arg(Fixed(c.raster.spacing, 2))
                               .arg(Fixed(started_.isValid() ? started_.elapsed() / 1000.0 : 0, 1)));
    pictures_.ShowComputed(c);
}

}  // namespace terrovane::engineering

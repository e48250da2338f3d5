#include "FopWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "ArchiveProblemText.h"
#include "CsvNumbers.h"
#include "EscapeCloses.h"
#include "FocusFrame.h"
#include "FopCurves.h"
#include "FopPlotGeometry.h"
#include "FopSummaryText.h"
#include "NoteText.h"
#include "NumberBox.h"
#include "PlotSaving.h"
#include "RefusalText.h"
#include "ScreenFit.h"
#include "TypedNumber.h"
#include "UserGuide.h"

namespace terrovane::engineering {
namespace {

constexpr int kDistanceColumn = 2;

QTableWidgetItem* ReadOnlyCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

FopWindow::FopWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
                     std::optional<PointChoice> point, QWidget* parent,
                     const archive::ValidityThresholds& thresholds)
    : QWidget(parent, Qt::Window), archive_(archive), point_(std::move(point)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(point_
                       ? QCoreApplication::translate("FopWindow", "Fall of potential - %1").arg(point_->name)
                       : QCoreApplication::translate("FopWindow", "Fall of potential"));
    results_ = FopResultsOf(rows, leftOut_, thresholds);
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
    if (archive_ != nullptr && point_)
        model_ = FopModelOfPoint(*archive_, point_->id);
    auto* rodLabel = new QLabel(QCoreApplication::translate("FopWindow", "Rod length (m):"), this);
    rodLength_ = new keyboard::NumberBox(this);
    rodLabel->setBuddy(rodLength_);
    rodLength_->setRange(0.1, 100);
    rodLength_->setDecimals(2);
    rodLength_->setValue(kDefaultRodLength);
    rodLength_->setToolTip(
        QCoreApplication::translate("FopWindow", "The rod the predicted curve is worked out for"));
    probe->addWidget(rodLabel);
    probe->addWidget(rodLength_);
    rodLabel->setVisible(model_ && !model_->grid);
    rodLength_->setVisible(model_ && !model_->grid);
    probe->addStretch(1);
    left->addLayout(probe);
    typed_ = new QCheckBox(QCoreApplication::translate("FopWindow", "Readings typed in"), this);
    typed_->setToolTip(QCoreApplication::translate(
        "FopWindow", "A traverse measured with another instrument, typed in distance by distance"));
    left->addWidget(typed_);
    table_ = new QTableWidget(static_cast<int>(results_.size()), 3, this);
    // Tab goes on to the window's buttons; the arrow keys move between the distances, Enter edits one.
    table_->setTabKeyNavigation(false);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("FopWindow", "Measured"),
                                       QCoreApplication::translate("FopWindow", "Re (ohm)"),
                                       QCoreApplication::translate("FopWindow", "Potential probe x (m)")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    FillTable();
    table_->setMinimumWidth(300);
    keyboard::ShowFocusFrame(table_);
    left->addWidget(table_, 1);
    typedPanel_ = new FopTypedPanel(this);
    typedPanel_->setVisible(false);
    typedPanel_->KeepButton().setEnabled(point_ && archive_ != nullptr);
    left->addWidget(typedPanel_, 1);
    body->addLayout(left, 2);
    plot_ = new FopPlot(this);
    body->addWidget(plot_, 3);
    outer->addLayout(body, 1);
    values_ = new QLabel(this);
    values_->setWordWrap(true);
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(values_);
    leftOutNotes_ = new QLabel(this);
    leftOutNotes_->setWordWrap(true);
    outer->addWidget(leftOutNotes_);
    ShowLeftOut();
    auto* buttons = new QHBoxLayout;
    savePlot_ = new QPushButton(QCoreApplication::translate("FopWindow", "Save plot..."), this);
    buttons->addWidget(savePlot_);
    store_ =
        new QPushButton(point_ ? QCoreApplication::translate("FopWindow", "Store with %1").arg(point_->name)
                               : QCoreApplication::translate("FopWindow", "Store with test point"),
                        this);
    if (!point_)
        store_->setToolTip(QCoreApplication::translate(
            "FopWindow", "The results belong to no one test point: assign them first"));
    else
        ElideButtonText(*store_);
    buttons->addWidget(store_);
    buttons->addStretch(1);
    status_ = new QLabel(this);
    buttons->addWidget(status_);
    outer->addLayout(buttons);
    Predict();
    SpreadEvenly();
    connect(spread_, &QPushButton::clicked, this, &FopWindow::SpreadEvenly);
    connect(typed_, &QCheckBox::toggled, this, &FopWindow::SetTyped);
    typedPanel_->Readings().changed = [this] { Analyse(); };
    connect(&typedPanel_->KeepButton(), &QPushButton::clicked, this, &FopWindow::KeepTyped);
    connect(&typedPanel_->Stored(), &QComboBox::currentIndexChanged, this, [this] {
        if (const std::optional<archive::TypedTraverse> chosen = typedPanel_->Chosen())
            ShowTyped(*chosen);
    });
    ListKept();
    // Without two results to make a curve of, a point's window is for a traverse typed in.
    if (results_.size() < 2 && point_)
        typed_->setChecked(true);
    connect(rodLength_, &QDoubleSpinBox::valueChanged, this, [this] {
        Predict();
        Analyse();
    });
    connect(currentProbe_, &QDoubleSpinBox::valueChanged, this, [this] {
        Predict();
        if (!distancesEdited_)
            SpreadEvenly();
        else
            Analyse();
    });
    connect(table_, &QTableWidget::itemChanged, this, &FopWindow::DistanceEdited);
    connect(store_, &QPushButton::clicked, this, &FopWindow::StoreWithPoint);
    connect(savePlot_, &QPushButton::clicked, this, &FopWindow::SavePlotFile);
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageFallOfPotential);
    screenfit::ResizeOnScreen(this, QSize(1100, 600));
}

void FopWindow::FillTable() {
    table_->setRowCount(static_cast<int>(results_.size()));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const int row = static_cast<int>(i);
        table_->setItem(row, 0, ReadOnlyCell(QString::fromStdString(results_[i].when)));
        table_->setItem(row, 1, ReadOnlyCell(keyboard::ShownSignificant(results_[i].resistance, 4)));
        table_->setItem(row, kDistanceColumn, new QTableWidgetItem);
    }
}

void FopWindow::ShowStored(const archive::StoredFopCurve& curve) {
    SetTyped(false);  // a stored curve is shown with its own readings, whatever the window opened for
    results_.clear();
    for (const archive::StoredFopReading& reading : curve.readings)
        results_.push_back({reading.result.value_or(0), curve.savedAt.substr(0, 16), reading.resistance});
    filling_ = true;
    FillTable();
    {
        const QSignalBlocker quiet(currentProbe_);
        currentProbe_->setValue(curve.currentProbe);
    }
    for (std::size_t i = 0; i < curve.readings.size(); ++i)
        table_->item(static_cast<int>(i), kDistanceColumn)
            ->setText(keyboard::ShownSignificant(curve.readings[i].distance, 6));
    filling_ = false;
    distancesEdited_ = true;
    leftOut_ = curve.leftOut;
    ShowLeftOut();
    Analyse();
}

void FopWindow::ShowLeftOut() {
    QStringList lines;
    for (const std::string& note : leftOut_)
        lines << texts::AnalysisNoteText(note);
    leftOutNotes_->setText(lines.join(QLatin1Char('\n')));
    leftOutNotes_->setVisible(!leftOut_.empty());
}

void FopWindow::SpreadEvenly() {
    const std::vector<double> distances =
        plots::EvenDistances(static_cast<int>(results_.size()), currentProbe_->value());
    filling_ = true;
    for (std::size_t i = 0; i < distances.size(); ++i)
        table_->item(static_cast<int>(i), kDistanceColumn)
            ->setText(keyboard::ShownSignificant(distances[i], 6));
    filling_ = false;
    distancesEdited_ = false;
    Analyse();
}

void FopWindow::DistanceEdited(QTableWidgetItem* item) {
    if (filling_ || item->column() != kDistanceColumn)
        return;
    distancesEdited_ = true;
    Analyse();
}

bool FopWindow::Distances(std::vector<double>& distances, int& badRow) const {
    distances.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        double value = 0;
        const auto typed = keyboard::ReadTypedNumber(table_->item(row, kDistanceColumn)->text());
        value = typed.value_or(0);
        if (!typed || !(value > 0) || !std::isfinite(value)) {
            badRow = row;
            return false;
        }
        distances.push_back(value);
    }
    return true;
}

bool FopWindow::TypedReadings(std::vector<analysis::FopReading>& readings, std::string& error) const {
    std::vector<std::pair<double, double>> typed;
    int badRow = 0;
    if (!typedPanel_->Readings().Readings(typed, badRow)) {
        error = QCoreApplication::translate("FopWindow",
                                            "Row %1: a distance and a resistance are numbers above 0.")
                    .arg(badRow + 1)
                    .toStdString();
        return false;
    }
    for (const auto& [distance, resistance] : typed)
        readings.push_back({distance, resistance});
    if (readings.size() < 2) {
        error = QCoreApplication::translate("FopWindow",
                                            "Type at least two readings: the potential probe's distance and "
                                            "the resistance read there.")
                    .toStdString();
        return false;
    }
    return true;
}

bool FopWindow::CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const {
    readings.clear();
    if (TypedMode())
        return TypedReadings(readings, error);
    std::vector<double> distances;
    int badRow = 0;
    if (results_.size() < 2) {
        error = QCoreApplication::translate("FopWindow",
                                            "A fall-of-potential curve needs at least two 3-pole "
                                            "or 4-pole results with a measured value.")
                    .toStdString();
        if (!leftOut_.empty())
            error += QCoreApplication::translate("FopWindow", "; %1 left out (see below)")
                         .arg(leftOut_.size())
                         .toStdString();
        return false;
    }
    if (!Distances(distances, badRow)) {
        error = QCoreApplication::translate(
                    "FopWindow", "Row %1: the potential-probe distance is a number of metres above 0.")
                    .arg(badRow + 1)
                    .toStdString();
        return false;
    }
    readings = FopReadingsOf(results_, distances);
    return true;
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
    if (plan_) {
        for (const electrode::FopPlanPoint& point : plan_->curve)
            data.predicted.push_back({point.distance, point.resistance});
        data.predictedTrueFraction = plan_->trueFraction;
        lines << PredictionText(data.readings);
    }
    values_->setText(lines.join(QLatin1Char('\n')));
    plot_->SetData(std::move(data));
    store_->setEnabled(point_ && archive_ != nullptr && curve);
}

void FopWindow::Predict() {
    plan_.reset();
    if (!model_)
        return;
    electrode::FopPlan plan = PredictFop(*model_, currentProbe_->value(), rodLength_->value());
    if (plan.status == electrode::FopPlanStatus::Planned)
        plan_ = std::move(plan);
}

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

// What the model says: the true resistance and where the probe reads it, and what the readings give there.
QString FopWindow::PredictionText(const std::vector<analysis::FopReading>& readings) const {
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
    if (const std::optional<double> there = ReadingAt(readings, fraction * currentProbe_->value()))
        text += QLatin1Char(' ') + QCoreApplication::translate("FopWindow", "The readings give %1 Ω there.")
                                       .arg(keyboard::ShownSignificant(*there, 4));
    return text;
}

void FopWindow::StoreWithPoint() {
    std::vector<analysis::FopReading> readings;
    std::string error;
    if (!point_ || archive_ == nullptr || !CurveReadings(readings, error))
        return;
    archive::StoredFopCurve curve;
    if (TypedMode()) {
        curve.point = point_->id;
        curve.currentProbe = currentProbe_->value();
        for (const analysis::FopReading& reading : readings)
            curve.readings.push_back({reading.distance, reading.resistance, std::nullopt});
    } else {
        std::vector<double> distances;
        for (const analysis::FopReading& reading : readings)
            distances.push_back(reading.distance);
        curve = StoredCurveOf(results_, distances, currentProbe_->value(), point_->id);
        curve.leftOut = leftOut_;  // so the site report can say what was left off the curve
    }
    status_->setText(archive::StoreFopCurve(*archive_, curve, error)
                         ? QCoreApplication::translate("FopWindow", "Curve stored with %1").arg(point_->name)
                         : QString::fromStdString(error));
}

void FopWindow::SetTyped(bool typed) {
    if (typed_->isChecked() != typed) {
        typed_->setChecked(typed);  // comes back here through its signal
        return;
    }
    table_->setVisible(!typed);
    spread_->setVisible(!typed);
    leftOutNotes_->setVisible(!typed && !leftOut_.empty());
    typedPanel_->setVisible(typed);
    Analyse();
}

void FopWindow::ListKept() {
    if (!point_ || archive_ == nullptr)
        return;
    const auto kept = archive::TypedTraverses(*archive_, point_->id);
    if (!kept) {
        status_->setText(texts::ArchiveProblemText(kept.Error().Text()));
        return;
    }
    typedPanel_->List(kept.Value());
}

void FopWindow::KeepTyped() {
    if (!point_ || archive_ == nullptr)
        return;
    archive::TypedTraverse traverse;
    traverse.point = point_->id;
    traverse.currentProbe = currentProbe_->value();
    std::vector<analysis::FopReading> readings;
    std::string error;
    if (!TypedReadings(readings, error)) {
        status_->setText(QString::fromStdString(error));
        return;
    }
    for (const analysis::FopReading& reading : readings)
        traverse.readings.push_back({reading.distance, reading.resistance});
    traverse.taking = typedPanel_->Taking().Taking();
    const archive::Result<std::int64_t> kept = archive::AddTypedTraverse(*archive_, traverse);
    if (!kept) {
        status_->setText(texts::ArchiveProblemText(kept.Error().Text()));
        return;
    }
    ListKept();
    status_->setText(
        QCoreApplication::translate("FopWindow", "Typed traverse kept with %1").arg(point_->name));
}

void FopWindow::ShowTyped(const archive::TypedTraverse& traverse) {
    SetTyped(true);
    {
        const QSignalBlocker quiet(currentProbe_);
        currentProbe_->setValue(traverse.currentProbe);
    }
    Predict();
    std::vector<std::pair<double, double>> readings;
    for (const archive::TypedTraverseReading& reading : traverse.readings)
        readings.emplace_back(reading.distance, reading.resistance);
    typedPanel_->Taking().Show(traverse.taking);
    typedPanel_->Readings().SetReadings(readings);  // analyses again
}

}  // namespace terrovane::engineering

namespace terrovane::engineering {

void FopWindow::SavePlotFile() {
    const plots::FopPlotData data = plot_->Data();
    const QString said = SavePlotToFile(
        this, plotFileChooser,
        [&data](QPainter& painter, const QRectF& area) { plots::PaintFopPlot(painter, area, data); });
    if (!said.isEmpty())
        status_->setText(said);
}

}  // namespace terrovane::engineering

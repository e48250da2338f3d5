#include "FopResultsTable.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <cmath>

#include "FocusFrame.h"
#include "FopPlotGeometry.h"
#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

constexpr int kDistanceColumn = 2;

QTableWidgetItem* ReadOnlyCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

FopResultsTable::FopResultsTable(QWidget* window, std::vector<FopResult> results,
                                 std::vector<std::string> leftOut)
    : results_(std::move(results)), leftOut_(std::move(leftOut)) {
    table_ = new QTableWidget(static_cast<int>(results_.size()), 3, window);
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
}

void FopResultsTable::WatchEdits(QWidget* window, std::function<void()> edited) {
    QObject::connect(table_, &QTableWidget::itemChanged, window,
                     [this, edited = std::move(edited)](QTableWidgetItem* item) {
                         if (filling_ || item->column() != kDistanceColumn)
                             return;
                         edited_ = true;
                         edited();
                     });
}

void FopResultsTable::FillTable() {
    table_->setRowCount(static_cast<int>(results_.size()));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const int row = static_cast<int>(i);
        table_->setItem(row, 0, ReadOnlyCell(QString::fromStdString(results_[i].when)));
        table_->setItem(row, 1, ReadOnlyCell(keyboard::ShownSignificant(results_[i].resistance, 4)));
        table_->setItem(row, kDistanceColumn, new QTableWidgetItem);
    }
}

void FopResultsTable::ShowStored(const archive::StoredFopCurve& curve) {
    results_.clear();
    for (const archive::StoredFopReading& reading : curve.readings)
        results_.push_back({reading.result.value_or(0), curve.savedAt.substr(0, 16), reading.resistance});
    filling_ = true;
    FillTable();
    for (std::size_t i = 0; i < curve.readings.size(); ++i)
        table_->item(static_cast<int>(i), kDistanceColumn)
            ->setText(keyboard::ShownSignificant(curve.readings[i].distance, 6));
    filling_ = false;
    edited_ = true;
    leftOut_ = curve.leftOut;
}

void FopResultsTable::SpreadEvenly(double currentProbe) {
    const std::vector<double> distances =
        plots::EvenDistances(static_cast<int>(results_.size()), currentProbe);
    filling_ = true;
    for (std::size_t i = 0; i < distances.size(); ++i)
        table_->item(static_cast<int>(i), kDistanceColumn)
            ->setText(keyboard::ShownSignificant(distances[i], 6));
    filling_ = false;
    edited_ = false;
}

bool FopResultsTable::Distances(std::vector<double>& distances, int& badRow) const {
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

bool FopResultsTable::CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const {
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

archive::StoredFopCurve FopResultsTable::StoredCurve(const std::vector<analysis::FopReading>& readings,
                                                     double currentProbe, std::int64_t point) const {
    std::vector<double> distances;
    for (const analysis::FopReading& reading : readings)
        distances.push_back(reading.distance);
    archive::StoredFopCurve curve = StoredCurveOf(results_, distances, currentProbe, point);
    curve.leftOut = leftOut_;  // so the site report can say what was left off the curve
    return curve;
}

}  // namespace terrovane::engineering

#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>

#include <optional>

#include "Archive.h"
#include "TrendChart.h"
#include "TypedResults.h"

namespace terrovane::history {

// The trend of one label or one test point: its results' main quantity (or another one chosen) against
// the measuring date, on a linear or logarithmic axis (chosen by the values until the user chooses).
class TrendWindow : public QDialog {
    Q_OBJECT

  public:
    // Follows `point` when given, else `label`.
    TrendWindow(archive::Archive& archive, const QString& label, QWidget* parent = nullptr,
                std::optional<std::int64_t> point = std::nullopt);

    TrendChart& Chart() const { return *chart_; }
    QComboBox& ByChoice() const { return *by_; }
    // The labels, or the test points ("site / point", the point's id as data).
    QComboBox& LabelChoice() const { return *labels_; }
    QComboBox& QuantityChoice() const { return *quantities_; }
    QCheckBox& LogAxis() const { return *log_; }
    // How many results the chart shows, marks as over range or leaves out.
    QLabel& Status() const { return *status_; }

  private:
    bool ByPoint() const;
    void FillSubjects(const QString& label, std::optional<std::int64_t> point);
    void ShowLabel();
    void ShowQuantity();

    archive::Archive& archive_;
    QComboBox* by_ = nullptr;
    QCheckBox* log_ = nullptr;
    QComboBox* labels_ = nullptr;
    QComboBox* quantities_ = nullptr;
    QLabel* status_ = nullptr;
    TrendChart* chart_ = nullptr;
    std::vector<archive::ResultRow> rows_;
    std::vector<archive::TypedResultVersion> typed_;  // a test point's results typed by hand
    // Why the labels or test points could not be listed; empty when they could.
    QString subjectsFailure_;
};

}  // namespace terrovane::history

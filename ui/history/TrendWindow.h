#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>

#include "Archive.h"
#include "TrendChart.h"

namespace terrovane::history {

// The trend of one label: its results' main quantity (or another one chosen) against the measuring date.
class TrendWindow : public QDialog {
    Q_OBJECT

  public:
    TrendWindow(archive::Archive& archive, const QString& label, QWidget* parent = nullptr);

    TrendChart& Chart() const { return *chart_; }
    QComboBox& LabelChoice() const { return *labels_; }
    QComboBox& QuantityChoice() const { return *quantities_; }

  private:
    void ShowLabel();
    void ShowQuantity();

    archive::Archive& archive_;
    QComboBox* labels_ = nullptr;
    QComboBox* quantities_ = nullptr;
    QLabel* status_ = nullptr;
    TrendChart* chart_ = nullptr;
    std::vector<archive::ResultRow> rows_;
};

}  // namespace terrovane::history

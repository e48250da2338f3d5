#include "TrendWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace terrovane::history {
namespace {

constexpr format::Quantity kTrendQuantities[] = {format::Quantity::Re, format::Quantity::Rac,
                                                 format::Quantity::R1, format::Quantity::Resistivity,
                                                 format::Quantity::Iac};

}  // namespace

TrendWindow::TrendWindow(archive::Archive& archive, const QString& label, QWidget* parent)
    : QDialog(parent), archive_(archive) {
    setWindowTitle(tr("Trend"));
    labels_ = new QComboBox(this);
    quantities_ = new QComboBox(this);
    for (format::Quantity quantity : kTrendQuantities) {
        quantities_->addItem(QString::fromStdString(QuantityTitle(quantity)), static_cast<int>(quantity));
    }
    status_ = new QLabel(this);
    chart_ = new TrendChart(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Label:"), this));
    choices->addWidget(labels_, 1);
    choices->addWidget(new QLabel(tr("Quantity:"), this));
    choices->addWidget(quantities_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(chart_, 1);
    layout->addWidget(status_);

    std::string error;
    for (const std::string& text : archive_.Labels(error)) {
        labels_->addItem(QString::fromStdString(text));
    }
    labels_->setCurrentIndex(std::max(labels_->findText(label), 0));
    connect(labels_, &QComboBox::currentIndexChanged, this, &TrendWindow::ShowLabel);
    connect(quantities_, &QComboBox::currentIndexChanged, this, &TrendWindow::ShowQuantity);
    ShowLabel();
}

void TrendWindow::ShowLabel() {
    rows_.clear();
    archive::ResultFilter filter;
    filter.labelIs = labels_->currentText().toStdString();
    std::string error;
    if (labels_->count() == 0 ||
        !archive_.Results(filter, {archive::ResultOrder::Measured, false}, -1, 0, rows_, error)) {
        status_->setText(error.empty() ? tr("No result has a label yet.") : QString::fromStdString(error));
        chart_->SetSeries({});
        return;
    }
    const auto quantity = TrendQuantity(rows_);
    const int index = quantity ? quantities_->findData(static_cast<int>(*quantity)) : 0;
    if (index != quantities_->currentIndex()) {
        quantities_->setCurrentIndex(index);  // shows the trend through ShowQuantity
    } else {
        ShowQuantity();
    }
}

void TrendWindow::ShowQuantity() {
    const auto quantity = static_cast<format::Quantity>(quantities_->currentData().toInt());
    TrendSeries series = BuildTrend(rows_, quantity);
    QString status = tr("%1 of %2 results with this label have a valid reading of this quantity.")
                         .arg(series.samples.size())
                         .arg(rows_.size());
    if (series.overRange > 0) {
        status += QLatin1Char(' ') + tr("%n over range (no number to plot).", nullptr, series.overRange);
    }
    status_->setText(status);
    chart_->SetSeries(std::move(series));
}

}  // namespace terrovane::history

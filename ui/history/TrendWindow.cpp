#include "TrendWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ArchiveFailure.h"
#include "ArchiveWatch.h"
#include "FocusFrame.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

constexpr format::Quantity kTrendQuantities[] = {format::Quantity::Re, format::Quantity::Rac,
                                                 format::Quantity::R1, format::Quantity::Resistivity,
                                                 format::Quantity::Iac};

}  // namespace

TrendWindow::TrendWindow(archive::Archive& archive, const QString& label, QWidget* parent,
                         std::optional<std::int64_t> point)
    : QDialog(parent), archive_(archive) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Trend"));
    by_ = new QComboBox(this);
    by_->addItem(tr("Label"));
    by_->addItem(tr("Test point"));
    labels_ = new QComboBox(this);
    // A long "site / point" is cut in the closed box (whole in its list), so the window fits the screen.
    labels_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    labels_->setMinimumContentsLength(18);
    quantities_ = new QComboBox(this);
    for (format::Quantity quantity : kTrendQuantities) {
        quantities_->addItem(QString::fromStdString(QuantityTitle(quantity)), static_cast<int>(quantity));
    }
    log_ = new QCheckBox(tr("Logarithmic axis"), this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);  // the counts of left-out and over-range readings can run long
    chart_ = new TrendChart(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(by_);
    choices->addWidget(labels_, 1);
    choices->addWidget(new QLabel(tr("Quantity:"), this));
    choices->addWidget(quantities_);
    choices->addWidget(log_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(chart_, 1);
    layout->addWidget(status_);

    by_->setCurrentIndex(point ? 1 : 0);
    FillSubjects(label, point);
    connect(by_, &QComboBox::currentIndexChanged, this, [this] {
        FillSubjects({}, std::nullopt);
        ShowLabel();
    });
    connect(labels_, &QComboBox::currentIndexChanged, this, &TrendWindow::ShowLabel);
    connect(quantities_, &QComboBox::currentIndexChanged, this, &TrendWindow::ShowQuantity);
    connect(log_, &QCheckBox::toggled, chart_, [this](bool on) { chart_->SetLogarithmic(on); });
    // Results added or assigned elsewhere join the trend shown.
    auto* watch = new ArchiveWatch(QString::fromStdString(archive_.Path()), this);
    connect(watch, &ArchiveWatch::Changed, this, [this] {
        const QString text = labels_->currentText();
        const qlonglong point = labels_->currentData().toLongLong();
        FillSubjects(text, ByPoint() ? std::optional<std::int64_t>(point) : std::nullopt);
        ShowLabel();
    });
    ShowLabel();
}

bool TrendWindow::ByPoint() const {
    return by_->currentIndex() == 1;
}

void TrendWindow::FillSubjects(const QString& label, std::optional<std::int64_t> point) {
    const QSignalBlocker quiet(labels_);
    labels_->clear();
    subjectsFailure_.clear();
    std::string error;
    if (ByPoint()) {
        std::vector<archive::PointRow> points;
        if (!archive::Points(archive_, 0, points, error)) {
            subjectsFailure_ = ArchiveFailureText(tr("The test points could not be read."), archive_, error);
        }
        for (const archive::PointRow& each : points) {
            labels_->addItem(QString::fromStdString(each.siteName + " / " + each.fields.name),
                             static_cast<qlonglong>(each.id));
        }
        labels_->setCurrentIndex(std::max(point ? labels_->findData(static_cast<qlonglong>(*point)) : 0, 0));
        return;
    }
    for (const std::string& text : archive_.Labels(error)) {
        labels_->addItem(QString::fromStdString(text));
    }
    if (!error.empty()) {
        subjectsFailure_ = ArchiveFailureText(tr("The labels could not be read."), archive_, error);
    }
    labels_->setCurrentIndex(std::max(labels_->findText(label), 0));
}

void TrendWindow::ShowLabel() {
    rows_.clear();
    typed_.clear();
    archive::ResultFilter filter;
    if (ByPoint()) {
        filter.pointId = labels_->currentData().toLongLong();
    } else {
        filter.labelIs = labels_->currentText().toStdString();
    }
    std::string error;
    if (labels_->count() == 0 ||
        !archive_.Results(filter, {archive::ResultOrder::Measured, false}, -1, 0, rows_, error)) {
        // A list the archive could not read is no empty list: the failure is said, not "none yet".
        status_->setText(!subjectsFailure_.isEmpty() ? subjectsFailure_
                         : !error.empty()
                             ? ArchiveFailureText(tr("The results could not be read."), archive_, error)
                         : ByPoint() ? tr("There is no test point yet.")
                                     : tr("No result has a label yet."));
        chart_->SetSeries({});
        return;
    }
    // A test point's results typed by hand trend with the instrument's; a label is the read-outs' alone.
    if (ByPoint()) {
        auto typed = archive::TypedResults(archive_, filter);
        if (!typed) {
            status_->setText(ArchiveFailureText(tr("The results typed by hand could not be read."), archive_,
                                                typed.Error().Text()));
            chart_->SetSeries({});
            return;
        }
        typed_ = std::move(typed.Value());
    }
    const auto quantity = TrendQuantity(rows_);
    const int index = quantity ? quantities_->findData(static_cast<int>(*quantity)) : 0;
    if (index != quantities_->currentIndex()) {
        quantities_->setCurrentIndex(index);  // shows the trend through ShowQuantity
    } else {
        ShowQuantity();
    }
}

// A new series chooses its axis by its values again; the check box shows the choice and overrides it.
void TrendWindow::ShowQuantity() {
    const auto quantity = static_cast<format::Quantity>(quantities_->currentData().toInt());
    TrendSeries series = BuildTrend(rows_, quantity);
    const int typed = AddTypedResults(series, typed_);
    QString status =
        (ByPoint() ? tr("%1 of %2 results of this test point have a valid reading of this quantity.")
                   : tr("%1 of %2 results with this label have a valid reading of this quantity."))
            .arg(series.samples.size())
            .arg(rows_.size() + typed_.size());
    if (typed > 0) {
        status += QLatin1Char(' ') + tr("%n typed by hand, drawn as open squares.", nullptr, typed);
    }
    if (!series.overRange.empty()) {
        status += QLatin1Char(' ') + tr("%n over range, marked at the top with the instrument's bound.",
                                        nullptr, static_cast<int>(series.overRange.size()));
    }
    if (series.leftOut > 0) {
        status += QLatin1Char(' ') +
                  tr("%n left out: an invalid reading or no valid measuring date.", nullptr, series.leftOut);
    }
    status_->setText(status);
    const bool logarithmic =
        WantsLogAxis(series.samples, series.limit ? std::optional(series.limit->ohms) : std::nullopt);
    chart_->SetSeries(std::move(series));
    const QSignalBlocker quiet(log_);
    log_->setChecked(logarithmic);
    chart_->SetLogarithmic(std::nullopt);
}

}  // namespace terrovane::history

#include "TypedResultDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "TypedMethodText.h"
#include "TypedMethods.h"

namespace terrovane::history {
namespace {

const archive::TypedValue* Find(const std::vector<archive::TypedValue>& values, const std::string& name) {
    for (const archive::TypedValue& value : values) {
        if (value.name == name) {
            return &value;
        }
    }
    return nullptr;
}

}  // namespace

TypedResultDialog::TypedResultDialog(const std::vector<PointOffer>& points, std::int64_t point,
                                     const std::optional<archive::TypedResultFields>& start, Store store,
                                     QWidget* parent)
    : QDialog(parent), store_(std::move(store)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(start ? tr("Correct typed result") : tr("New result"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    point_ = new QComboBox(this);
    for (const PointOffer& offer : points) {
        point_->addItem(offer.name, QVariant::fromValue<qint64>(offer.id));
    }
    const std::int64_t chosen = start ? start->point : point;
    // Without a point chosen in the tree (or with the corrected version's point gone) none is preset: a
    // result stored at the first point of the list by oversight would be judged there.
    point_->setCurrentIndex(point_->findData(QVariant::fromValue<qint64>(chosen)));
    form->addRow(tr("Test &point:"), point_);
    method_ = new QComboBox(this);
    for (const archive::TypedMethod& method : archive::TypedMethods()) {
        method_->addItem(texts::TypedMethodText(method.code), QString::fromUtf8(method.code));
    }
    if (start) {
        method_->setCurrentIndex(std::max(0, method_->findData(QString::fromStdString(start->method))));
    }
    form->addRow(tr("&Method:"), method_);
    valueGrid_ = new QGridLayout;
    form->addRow(tr("Values:"), valueGrid_);
    measured_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    measured_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    measured_->setCalendarPopup(true);
    if (start) {
        measured_->setDateTime(QDateTime::fromString(QString::fromStdString(start->measured),
                                                     QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    form->addRow(tr("Measured &on:"), measured_);
    instrument_ = new QLineEdit(this);
    instrument_->setPlaceholderText(tr("make, model, serial"));
    by_ = new QLineEdit(this);
    note_ = new QLineEdit(this);
    if (start) {
        instrument_->setText(QString::fromStdString(start->instrument));
        by_->setText(QString::fromStdString(start->measuredBy));
        note_->setText(QString::fromStdString(start->note));
    }
    form->addRow(tr("&Instrument:"), instrument_);
    form->addRow(tr("Measured &by:"), by_);
    form->addRow(tr("No&te:"), note_);
    layout->addLayout(form);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setVisible(false);
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TypedResultDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TypedResultDialog::reject);
    layout->addWidget(buttons);
    ShowValues(start ? start->values : std::vector<archive::TypedValue>{});
    connect(method_, &QComboBox::currentIndexChanged, this, [this] { ShowValues({}); });
}

// One row per value the method takes: the main one always given, the others when ticked.
void TypedResultDialog::ShowValues(const std::vector<archive::TypedValue>& start) {
    for (ValueRow& row : values_) {
        for (QWidget* widget :
             std::initializer_list<QWidget*>{row.given, row.number, row.unit, row.overRange}) {
            delete widget;
        }
    }
    values_.clear();
    const archive::TypedMethod* method =
        archive::FindTypedMethod(method_->currentData().toString().toStdString());
    if (method == nullptr) {
        return;
    }
    for (const char* name : method->values) {
        ValueRow row;
        row.name = name;
        const bool main = row.name == method->mainValue;
        row.given = new QCheckBox(QString::fromUtf8(name), this);
        row.given->setChecked(main);
        row.given->setEnabled(!main);
        row.number = new keyboard::NumberBox(this);
        row.number->setAccessibleName(QString::fromUtf8(name));
        row.number->setDecimals(3);
        row.number->setRange(0, 1e12);
        row.unit = new QComboBox(this);
        row.unit->setAccessibleName(tr("Unit of %1").arg(QString::fromUtf8(name)));
        const archive::TypedQuantity quantity = *archive::QuantityOfValue(name);
        std::vector<double> factors;
        for (const archive::TypedUnit& unit : archive::TypedUnits()) {
            if (unit.quantity == quantity) {
                row.unit->addItem(QString::fromUtf8(unit.symbol));
                factors.push_back(unit.factor);
            }
        }
        row.overRange = new QCheckBox(tr("over range"), this);
        row.overRange->setToolTip(tr("Above the instrument's range: the number is the bound it showed"));
        if (const archive::TypedValue* value = Find(start, name); value != nullptr) {
            row.given->setChecked(true);
            // Shown in the largest unit that keeps the number at 1 or more, as the lists show it.
            int chosen = 0;
            for (int i = 0; i < static_cast<int>(factors.size()); ++i) {
                const double factor = factors[static_cast<std::size_t>(i)];
                const double best = factors[static_cast<std::size_t>(chosen)];
                const bool fits = value->number >= factor ? factor > best || value->number < best
                                                          : value->number < best && factor < best;
                if (value->number > 0 && fits) {
                    chosen = i;
                }
            }
            row.unit->setCurrentIndex(chosen);
            row.number->setValue(value->number / factors[static_cast<std::size_t>(chosen)]);
            row.start = *value;
            row.shownNumber = row.number->value();
            row.shownUnit = chosen;
            row.overRange->setChecked(value->overRange);
        }
        const int line = static_cast<int>(values_.size());
        valueGrid_->addWidget(row.given, line, 0);
        valueGrid_->addWidget(row.number, line, 1);
        valueGrid_->addWidget(row.unit, line, 2);
        valueGrid_->addWidget(row.overRange, line, 3);
        values_.push_back(row);
    }
}

archive::TypedResultFields TypedResultDialog::Fields(std::string& problem) const {
    archive::TypedResultFields fields;
    fields.point = point_->currentData().toLongLong();
    fields.method = method_->currentData().toString().toStdString();
    for (const ValueRow& row : values_) {
        if (!row.given->isChecked()) {
            continue;
        }
        if (row.start && row.number->value() == row.shownNumber &&
            row.unit->currentIndex() == row.shownUnit) {
            fields.values.push_back({row.name, row.start->number, row.overRange->isChecked()});
            continue;
        }
        // The number goes through the same unit conversion as one typed on the command line.
        const archive::TypedValueParse value = archive::TypedValueOf(
            row.name, row.number->value(), row.unit->currentText().toStdString(), row.overRange->isChecked());
        if (!value.value) {
            problem = value.problem;
            return fields;
        }
        fields.values.push_back(*value.value);
    }
    fields.measured = measured_->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    fields.instrument = instrument_->text().trimmed().toStdString();
    fields.measuredBy = by_->text().trimmed().toStdString();
    fields.note = note_->text().trimmed().toStdString();
    return fields;
}

void TypedResultDialog::accept() {
    std::string problem;
    const archive::TypedResultFields fields = Fields(problem);
    if (problem.empty() && point_->currentIndex() < 0) {
        problem_->setText(point_->count() == 0 ? tr("There is no test point yet: make one in the tree first.")
                                               : tr("Choose the test point the result was measured at."));
        problem_->setVisible(true);
        return;
    }
    if (problem.empty()) {
        const archive::Result<std::int64_t> stored = store_(fields);
        if (stored) {
            storedId_ = stored.Value();
            QDialog::accept();
            return;
        }
        problem = stored.Error().Text();
    }
    problem_->setText(texts::ArchiveProblemText(problem));
    problem_->setVisible(true);
}

}  // namespace terrovane::history

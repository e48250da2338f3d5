#include "TypedReadingsTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <utility>

#include "FocusFrame.h"

namespace terrovane::engineering {
namespace {

// Far beyond any traverse or sounding, and any resistance a tester reads.
constexpr double kLargestDistance = 100000;
constexpr double kLargestReading = 1e9;
// What an unfilled cell shows: no number was typed there yet.
const QString kUnfilled = QStringLiteral("-");

}  // namespace

TypedReadingsTable::TypedReadingsTable(const QString& whereHeader, const QString& valueHeader,
                                       QWidget* parent)
    : QWidget(parent), whereHeader_(whereHeader), valueHeader_(valueHeader) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, 2, this);
    table_->setHorizontalHeaderLabels({whereHeader_, valueHeader_});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Tab goes from box to box: each cell is a field of its own.
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);  // its boxes are the fields
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 12);
    keyboard::ShowFocusFrame(table_);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(QCoreApplication::translate("TypedReadings", "Add row"), this);
    remove_ = new QPushButton(QCoreApplication::translate("TypedReadings", "Remove row"), this);
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    for (int i = 0; i < kStartRows; ++i)
        AddRow();
    connect(add_, &QPushButton::clicked, this, [this] {
        AddRow();
        Where(table_->rowCount() - 1).setFocus();
    });
    connect(remove_, &QPushButton::clicked, this, &TypedReadingsTable::RemoveRow);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* up = now; up != nullptr && up != table_; up = up->parentWidget()) {
            if (qobject_cast<keyboard::NumberBox*>(up) != nullptr && table_->isAncestorOf(up)) {
                lastFocused_ = up;
                return;
            }
        }
    });
}

keyboard::NumberBox& TypedReadingsTable::Where(int row) const {
    return *static_cast<keyboard::NumberBox*>(table_->cellWidget(row, 0));
}

keyboard::NumberBox& TypedReadingsTable::Value(int row) const {
    return *static_cast<keyboard::NumberBox*>(table_->cellWidget(row, 1));
}

keyboard::NumberBox* TypedReadingsTable::NewBox(int row, int column) {
    auto* box = new keyboard::NumberBox(table_);
    box->setFrame(false);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setDecimals(column == 0 ? 2 : valueDecimals_);
    box->setRange(0, column == 0 ? kLargestDistance : kLargestReading);
    box->setSpecialValueText(kUnfilled);
    box->setValue(0);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { Changed(); });
    table_->setCellWidget(row, column, box);
    return box;
}

// Each box is named by its column and row, so a refusal says which cell it means.
void TypedReadingsTable::NameRow(int row) {
    const QString number = QString::number(row + 1);
    Where(row).setAccessibleName(
        QCoreApplication::translate("TypedReadings", "%1, row %2").arg(whereHeader_, number));
    Value(row).setAccessibleName(
        QCoreApplication::translate("TypedReadings", "%1, row %2").arg(valueHeader_, number));
}

void TypedReadingsTable::SetWhereHeader(const QString& header) {
    whereHeader_ = header;
    table_->setHorizontalHeaderLabels({whereHeader_, valueHeader_});
    for (int row = 0; row < table_->rowCount(); ++row)
        NameRow(row);
}

void TypedReadingsTable::SetValueHeader(const QString& header, int decimals) {
    valueHeader_ = header;
    valueDecimals_ = decimals;
    table_->setHorizontalHeaderLabels({whereHeader_, valueHeader_});
    for (int row = 0; row < table_->rowCount(); ++row) {
        Value(row).setDecimals(decimals);
        NameRow(row);
    }
}

void TypedReadingsTable::AddRow() {
    const int row = table_->rowCount();
    table_->insertRow(row);
    NewBox(row, 0);
    NewBox(row, 1);
    NameRow(row);
    ChainTabs();
    Changed();
}

void TypedReadingsTable::ChainTabs() {
    QWidget* previous = nullptr;
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (QWidget* box : {static_cast<QWidget*>(&Where(row)), static_cast<QWidget*>(&Value(row))}) {
            if (previous != nullptr)
                setTabOrder(previous, box);
            previous = box;
        }
    }
    if (previous != nullptr) {
        setTabOrder(previous, add_);
        setTabOrder(add_, remove_);
    }
}

void TypedReadingsTable::RemoveRow() {
    if (table_->rowCount() <= 1)
        return;
    int row = table_->rowCount() - 1;
    for (int r = 0; r < table_->rowCount(); ++r)
        if (lastFocused_ == &Where(r) || lastFocused_ == &Value(r))
            row = r;
    table_->removeRow(row);
    for (int r = row; r < table_->rowCount(); ++r)
        NameRow(r);
    Changed();
}

void TypedReadingsTable::SetReadings(const std::vector<std::pair<double, double>>& readings) {
    auto keep = std::exchange(changed, nullptr);
    table_->setRowCount(0);
    for (const auto& [where, value] : readings) {
        AddRow();
        Where(table_->rowCount() - 1).setValue(where);
        Value(table_->rowCount() - 1).setValue(value);
    }
    AddRow();
    changed = std::move(keep);
    Changed();
}

bool TypedReadingsTable::Readings(std::vector<std::pair<double, double>>& readings, int& badRow) const {
    readings.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const double where = Where(row).value();
        const double value = Value(row).value();
        if (where == 0 && value == 0)
            continue;
        if (where == 0 || value == 0) {
            badRow = row;
            return false;
        }
        readings.emplace_back(where, value);
    }
    return true;
}

void TypedReadingsTable::Changed() const {
    if (changed)
        changed();
}

}  // namespace terrovane::engineering

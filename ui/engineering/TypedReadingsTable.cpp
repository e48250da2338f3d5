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

// The value is the last column, after the second distance where there is one.
int ValueColumnOf(const QTableWidget& table) {
    return table.columnCount() - 1;
}

}  // namespace

TypedReadingsTable::TypedReadingsTable(const QString& whereHeader, const QString& valueHeader,
                                       QWidget* parent)
    : QWidget(parent), headers_(whereHeader, valueHeader) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, 2, this);
    table_->setHorizontalHeaderLabels({whereHeader, valueHeader});
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
    return *static_cast<keyboard::NumberBox*>(table_->cellWidget(row, ValueColumnOf(*table_)));
}

keyboard::NumberBox& TypedReadingsTable::Middle(int row) const {
    return *static_cast<keyboard::NumberBox*>(table_->cellWidget(row, 1));
}

keyboard::NumberBox* TypedReadingsTable::NewBox(int row, int column) {
    auto* box = new keyboard::NumberBox(table_);
    box->setFrame(false);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    const bool value = column == ValueColumnOf(*table_);
    // MN/2 may be a fraction of a metre that needs its third decimal (0.125 m).
    box->setDecimals(value ? headers_.ValueDecimals() : column == 0 ? 2 : 3);
    box->setRange(0, value ? kLargestReading : kLargestDistance);
    box->setSpecialValueText(kUnfilled);
    box->setValue(0);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { Changed(); });
    table_->setCellWidget(row, column, box);
    return box;
}

void TypedReadingsTable::SetMiddleHeader(const QString& header) {
    headers_.SetMiddle(header);
    if (header.isEmpty() && HasMiddle()) {
        table_->removeColumn(1);
    } else if (!header.isEmpty() && !HasMiddle()) {
        table_->insertColumn(1);
        for (int row = 0; row < table_->rowCount(); ++row)
            NewBox(row, 1);
    }
    headers_.Show(*table_);
    ChainTabs();
    Changed();
}

void TypedReadingsTable::SetWhereHeader(const QString& header) {
    headers_.SetWhere(header);
    headers_.Show(*table_);
}

void TypedReadingsTable::SetValueHeader(const QString& header, int decimals) {
    headers_.SetValue(header, decimals);
    for (int row = 0; row < table_->rowCount(); ++row)
        Value(row).setDecimals(decimals);
    headers_.Show(*table_);
}

void TypedReadingsTable::AddRow() {
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < table_->columnCount(); ++column)
        NewBox(row, column);
    headers_.NameRow(*table_, row);
    ChainTabs();
    Changed();
}

void TypedReadingsTable::ChainTabs() {
    QWidget* previous = nullptr;
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            QWidget* box = table_->cellWidget(row, column);
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
        for (int column = 0; column < table_->columnCount(); ++column)
            if (lastFocused_ == table_->cellWidget(r, column))
                row = r;
    table_->removeRow(row);
    for (int r = row; r < table_->rowCount(); ++r)
        headers_.NameRow(*table_, r);
    Changed();
}

void TypedReadingsTable::SetReadings(const std::vector<std::pair<double, double>>& readings,
                                     const std::vector<double>& middles) {
    auto keep = std::exchange(changed, nullptr);
    table_->setRowCount(0);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        AddRow();
        const int row = table_->rowCount() - 1;
        Where(row).setValue(readings[i].first);
        Value(row).setValue(readings[i].second);
        if (HasMiddle() && i < middles.size())
            Middle(row).setValue(middles[i]);
    }
    AddRow();
    changed = std::move(keep);
    Changed();
}

bool TypedReadingsTable::Readings(std::vector<std::pair<double, double>>& readings, int& badRow,
                                  std::vector<double>* middles) const {
    readings.clear();
    if (middles != nullptr)
        middles->clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const double where = Where(row).value();
        const double value = Value(row).value();
        const double middle = HasMiddle() ? Middle(row).value() : 0;
        if (where == 0 && value == 0 && middle == 0)
            continue;
        if (where == 0 || value == 0) {
            badRow = row;
            return false;
        }
        readings.emplace_back(where, value);
        if (middles != nullptr)
            middles->push_back(middle);
    }
    return true;
}

void TypedReadingsTable::Changed() const {
    if (changed)
        changed();
}

}  // namespace terrovane::engineering

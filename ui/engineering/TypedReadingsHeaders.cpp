#include "TypedReadingsHeaders.h"

#include <QCoreApplication>

namespace terrovane::engineering {

void TypedReadingsHeaders::SetValue(const QString& header, int decimals) {
    value_ = header;
    valueDecimals_ = decimals;
}

void TypedReadingsHeaders::Show(QTableWidget& table) const {
    const bool middle = table.columnCount() == 3;
    table.setHorizontalHeaderLabels(middle ? QStringList{where_, middle_, value_}
                                           : QStringList{where_, value_});
    for (int row = 0; row < table.rowCount(); ++row)
        NameRow(table, row);
}

void TypedReadingsHeaders::NameRow(QTableWidget& table, int row) const {
    const QString number = QString::number(row + 1);
    const auto name = [&](int column, const QString& header) {
        table.cellWidget(row, column)
            ->setAccessibleName(
                QCoreApplication::translate("TypedReadings", "%1, row %2").arg(header, number));
    };
    name(0, where_);
    name(table.columnCount() - 1, value_);
    if (table.columnCount() == 3)
        name(1, middle_);
}

}  // namespace terrovane::engineering

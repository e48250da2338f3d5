#pragma once

#include <QString>
#include <QTableWidgetItem>

namespace terrovane::engineering {

// A figure in a results table: right-aligned so the digits of a column line up.
inline QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace terrovane::engineering

#include "HistoryColumns.h"

#include "ExportColumns.h"

namespace terrovane::history {
namespace {

// Workbook column of each list column from kSlotColumn to the last cell column.
int WorkbookColumn(int column) {
    switch (column) {
        case kSlotColumn:
            return 0;
        case kModeColumn:
            return 1;
        case kDateColumn:
            return 2;
        case kTimeColumn:
            return 3;
        default:
            return column - kFirstCellColumn + 4;
    }
}

}  // namespace

QStringList HistoryHeaders() {
    QStringList headers = {QStringLiteral("Read out"), QStringLiteral("Label")};
    const auto& workbook = exporting::HeaderTexts();
    for (int column = kSlotColumn; column < kNoteColumn; ++column) {
        headers << QString::fromStdString(workbook[static_cast<std::size_t>(WorkbookColumn(column))]);
    }
    headers << QStringLiteral("Note");
    return headers;
}

QString HistoryCell(const archive::ResultView& view, int column) {
    if (column == kReadAtColumn) {
        // The stored ISO text, shown without its "T" and seconds' zone for the eye.
        return QString::fromStdString(view.readAt).replace(10, 1, QLatin1Char(' '));
    }
    if (column == kLabelColumn) {
        return QString::fromStdString(view.label);
    }
    if (column == kNoteColumn) {
        return QString::fromStdString(view.note).simplified();
    }
    if (column >= kSlotColumn && column < kNoteColumn) {
        return QString::fromStdString(view.cells[static_cast<std::size_t>(WorkbookColumn(column))]);
    }
    return {};
}

archive::ResultSort SortForColumn(int column, Qt::SortOrder order) {
    const bool descending = order == Qt::DescendingOrder;
    switch (column) {
        case kReadAtColumn:
            // The list opens newest first, which the header shows as descending.
            return {archive::ResultOrder::Newest, !descending};
        case kSlotColumn:
            return {archive::ResultOrder::Slot, descending};
        case kModeColumn:
            return {archive::ResultOrder::Mode, descending};
        case kDateColumn:
        case kTimeColumn:
            return {archive::ResultOrder::Measured, descending};
        case kLabelColumn:
        case kNoteColumn:
            return {archive::ResultOrder::Label, descending};
        case kFirstCellColumn:
            return {archive::ResultOrder::Voltage, descending};
        case kFirstCellColumn + 1:
            return {archive::ResultOrder::Frequency, descending};
        case kFirstCellColumn + 13:
            return {archive::ResultOrder::Distance, descending};
        default:
            break;
    }
    // Re to Iac: the values in their stored order (workbook columns 6 to 16 are values 0 to 10).
    const int value = WorkbookColumn(column) - 6;
    return {static_cast<archive::ResultOrder>(static_cast<int>(archive::ResultOrder::Value0) + value),
            descending};
}

}  // namespace terrovane::history

#include "HistoryColumns.h"

#include <QCoreApplication>

#include <algorithm>

#include "CellText.h"
#include "ExportColumns.h"
#include "ResultWords.h"
#include "TypedNumber.h"

namespace terrovane::history {
namespace {

// Workbook column of each list column that shows one.
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

bool ShowsWorkbookColumn(int column) {
    return column == kSlotColumn || column == kModeColumn || column == kDateColumn || column == kTimeColumn ||
           (column >= kFirstCellColumn && column < kNoteColumn);
}

const char* UnitOf(format::Quantity quantity) {
    switch (quantity) {
        case format::Quantity::Resistivity:
            return " Ωm";
        case format::Quantity::Iac:
            return " A";
        default:
            return " Ω";
    }
}

}  // namespace

QStringList HistoryHeaders() {
    const auto& workbook = exporting::HeaderTexts();
    QStringList headers;
    for (int column = 0; column < kColumnCount; ++column) {
        switch (column) {
            case kValueColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Value");
                break;
            case kVerdictColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Verdict");
                break;
            case kSiteColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Site");
                break;
            case kPointColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Point");
                break;
            case kLabelColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Label");
                break;
            case kReadAtColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Read out");
                break;
            case kNoteColumn:
                headers << QCoreApplication::translate("HistoryColumns", "Note");
                break;
            default:
                headers << QCoreApplication::translate(
                    "WorkbookColumns", workbook[static_cast<std::size_t>(WorkbookColumn(column))].c_str());
        }
    }
    return headers;
}

QString MainValueText(const archive::ResultView& view) {
    const auto quantity = archive::MainQuantity(view.mode);
    if (!quantity) {
        return {};
    }
    const auto named =
        std::find_if(archive::ValueQuantities().begin(), archive::ValueQuantities().end(),
                     [&](const archive::NamedQuantity& each) { return each.quantity == *quantity; });
    const format::Reading& reading =
        view.readings[static_cast<std::size_t>(named - archive::ValueQuantities().begin())];
    if (reading.IsOverRange()) {
        return QString::fromStdString(format::OverRangeText(*quantity, reading));  // "> 300 kΩ"
    }
    const auto& columns = format::kValueColumns;
    const auto at = std::find(columns.begin(), columns.end(), *quantity);
    const std::string& text =
        view.cells[format::kFirstValueColumn + static_cast<std::size_t>(at - columns.begin())];
    return text.empty()
               ? QString()
               : keyboard::ShownDecimal(QString::fromStdString(text)) + QString::fromUtf8(UnitOf(*quantity));
}

QString VerdictText(const archive::ResultView& view) {
    const QString word = texts::VerdictText(view.verdict);
    return view.validity.empty() ? word : word + QCoreApplication::translate("HistoryColumns", " (doubtful)");
}

QString HistoryCell(const archive::ResultView& view, int column) {
    switch (column) {
        case kReadAtColumn:
            // The stored ISO text, shown without its "T" for the eye.
            return QString::fromStdString(view.readAt).replace(10, 1, QLatin1Char(' '));
        case kLabelColumn:
            return QString::fromStdString(view.label);
        case kNoteColumn:
            return QString::fromStdString(view.note).simplified();
        case kValueColumn:
            return MainValueText(view);
        case kVerdictColumn:
            return VerdictText(view);
        case kSiteColumn:
            return QString::fromStdString(view.site);
        case kPointColumn:
            return QString::fromStdString(view.point);
        default:
            break;
    }
    if (ShowsWorkbookColumn(column)) {
        return keyboard::ShownDecimal(
            QString::fromStdString(view.cells[static_cast<std::size_t>(WorkbookColumn(column))]));
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
        case kValueColumn:
        case kVerdictColumn:
            return {archive::ResultOrder::Mode, descending};
        case kDateColumn:
        case kTimeColumn:
            return {archive::ResultOrder::Measured, descending};
        case kLabelColumn:
        case kNoteColumn:
        case kSiteColumn:
        case kPointColumn:
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

#include "RecordList.h"
#include "RecordTexts.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>

#include "FocusFrame.h"
#include "RecordTable.h"

namespace terrovane::app {

namespace {

constexpr Qt::Alignment kColumnAlignment[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                              Qt::AlignCenter};

QTableWidgetItem* MakeItem(const QString& text, int column) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(kColumnAlignment[column]);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

const char* const kTitles[kRecordListColumns] = {QT_TRANSLATE_NOOP("RecordList", "No."),
                                                 QT_TRANSLATE_NOOP("RecordList", "yy-mm-dd"),
                                                 QT_TRANSLATE_NOOP("RecordList", "hh-mm-ss")};
// The widest text each column's cells can show: digits are equally wide in the list's fonts.
const char* const kWidestCells[kRecordListColumns] = {"99", "2088-88-88", "88:88:88"};

void SetUpColumns(QTableWidget* list) {
    list->setColumnCount(kRecordListColumns);
    const auto widths = RecordListColumnWidths(list->fontMetrics());
    for (int column = 0; column < kRecordListColumns; ++column) {
        auto* header = new QTableWidgetItem(QCoreApplication::translate("RecordList", kTitles[column]));
        header->setTextAlignment(kColumnAlignment[column]);
        list->setHorizontalHeaderItem(column, header);
        list->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
}

void SetUpRows(QTableWidget* list) {
    list->setRowCount(kRecordListRows);
    for (int row = 0; row < kRecordListRows; ++row) {
        list->setItem(row, 0, MakeItem(QString::fromStdString(format::SlotText(row)), 0));
        list->setItem(row, 1, MakeItem(QString(), 1));
        list->setItem(row, 2, MakeItem(QString(), 2));
    }
}

}  // namespace

std::array<int, kRecordListColumns> RecordListColumnWidths(const QFontMetrics& metrics) {
    // A header section's margins and sort-arrow room, and a cell's focus frame, in character widths.
    const int padding = 3 * metrics.averageCharWidth();
    std::array<int, kRecordListColumns> widths{};
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const int title =
            metrics.horizontalAdvance(QCoreApplication::translate("RecordList", kTitles[column]));
        const int cell = metrics.horizontalAdvance(QString::fromLatin1(kWidestCells[column]));
        widths[column] = std::max(title, cell) + padding;
    }
    return widths;
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> before = FirstSelectedRow(this);
    QTableWidget::keyPressEvent(event);
    const std::optional<int> after = FirstSelectedRow(this);
    if (after && after != before) {
        emit SelectionMovedByKey();
    }
}

RecordListView* CreateRecordList(QWidget* parent) {
    auto* list = new RecordListView(parent);
    list->setObjectName(QStringLiteral("1004"));
    SetUpColumns(list);
    SetUpRows(list);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the display's buttons; the arrow keys move through the rows.
    list->setTabKeyNavigation(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 2);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setStretchLastSection(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    keyboard::ShowFocusFrame(list);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    list->setPalette(palette);
    return list;
}

void ClearRecordListRow(QTableWidget* list, int row) {
    if (row < 0 || row >= list->rowCount()) {
        return;
    }
    list->item(row, 1)->setText(QString());
    list->item(row, 2)->setText(QString());
}

void ClearRecordListTexts(QTableWidget* list) {
    for (int row = 0; row < list->rowCount(); ++row) {
        ClearRecordListRow(list, row);
    }
}

void FillRecordListTexts(QTableWidget* list, const record::RecordTable& table) {
    for (int row = 0; row < list->rowCount(); ++row) {
        if (const auto texts = format::RecordListTexts(table, static_cast<std::size_t>(row))) {
            list->item(row, 1)->setText(QString::fromStdString(texts->date));
            list->item(row, 2)->setText(QString::fromStdString(texts->time));
        }
    }
}

std::optional<int> FirstSelectedRow(const QTableWidget* list) {
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->item(row, 0)->isSelected()) {
            return row;
        }
    }
    return std::nullopt;
}

}  // namespace terrovane::app

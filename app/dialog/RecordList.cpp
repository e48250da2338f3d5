#include "RecordList.h"

#include <QHeaderView>

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

void SetUpColumns(QTableWidget* list) {
    static const char* const kTitles[] = {"No.", "yy-mm-dd", "hh-mm-ss"};
    list->setColumnCount(3);
    for (int column = 0; column < 3; ++column) {
        auto* header = new QTableWidgetItem(QString::fromLatin1(kTitles[column]));
        header->setTextAlignment(kColumnAlignment[column]);
        list->setHorizontalHeaderItem(column, header);
        list->setColumnWidth(column, kRecordListColumnWidths[column]);
    }
}

void SetUpRows(QTableWidget* list) {
    list->setRowCount(kRecordListRows);
    for (int row = 0; row < kRecordListRows; ++row) {
        list->setItem(row, 0, MakeItem(QString::fromStdString(record::SlotText(row)), 0));
        list->setItem(row, 1, MakeItem(QString(), 1));
        list->setItem(row, 2, MakeItem(QString(), 2));
    }
}

}  // namespace

QTableWidget* CreateRecordList(QWidget* parent) {
    auto* list = new QTableWidget(parent);
    list->setObjectName(QStringLiteral("1004"));
    SetUpColumns(list);
    SetUpRows(list);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 2);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setStretchLastSection(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    list->setPalette(palette);
    return list;
}

}  // namespace terrovane::app

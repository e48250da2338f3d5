#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include "ArchiveTypes.h"
#include "ResultView.h"

namespace terrovane::history {

// The list's columns: when and where the result was read, then the workbook row's texts from the mode on,
// then label and note.
enum HistoryColumn : int {
    kReadAtColumn = 0,
    kSlotColumn = 1,
    kModeColumn = 2,
    kDateColumn = 3,
    kTimeColumn = 4,
    kFirstCellColumn = 5,  // the workbook's columns 4 (voltage) to 17 (distance)
    kLabelColumn = kFirstCellColumn + 14,
    kNoteColumn,
    kColumnCount,
};

QStringList HistoryHeaders();
// The text of one column of a result.
QString HistoryCell(const archive::ResultView& view, int column);
// The archive order that sorts the list by `column`.
archive::ResultSort SortForColumn(int column, Qt::SortOrder order);

}  // namespace terrovane::history

#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include "ArchiveTypes.h"
#include "ResultView.h"

namespace terrovane::history {

// The list's columns: when the result was read and its label, the workbook row's texts from the slot on,
// then the note.
enum HistoryColumn : int {
    kReadAtColumn = 0,
    kLabelColumn = 1,
    kSlotColumn = 2,
    kModeColumn = 3,
    kDateColumn = 4,
    kTimeColumn = 5,
    kFirstCellColumn = 6,  // the workbook's columns 4 (voltage) to 17 (distance)
    kNoteColumn = kFirstCellColumn + 14,
    kColumnCount,
};

QStringList HistoryHeaders();
// The text of one column of a result.
QString HistoryCell(const archive::ResultView& view, int column);
// The archive order that sorts the list by `column`.
archive::ResultSort SortForColumn(int column, Qt::SortOrder order);

}  // namespace terrovane::history

#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include "ArchiveTypes.h"
#include "ResultView.h"

namespace terrovane::history {

// The list's columns: what was measured and whether it keeps its limit first, then where and when, the
// read-out it came from, the workbook row's texts and the note.
enum HistoryColumn : int {
    kModeColumn = 0,
    kValueColumn,    // the mode's main value with its unit
    kVerdictColumn,  // pass, fail or none, in words
    kDateColumn,
    kTimeColumn,
    kSiteColumn,
    kPointColumn,
    kLabelColumn,
    kReadAtColumn,
    kSlotColumn,
    kFirstCellColumn,  // the workbook's columns 4 (voltage) to 17 (distance)
    kNoteColumn = kFirstCellColumn + 14,
    kColumnCount,
};

QStringList HistoryHeaders();
// The text of one column of a result.
QString HistoryCell(const archive::ResultView& view, int column);
// The archive order that sorts the list by `column`.
archive::ResultSort SortForColumn(int column, Qt::SortOrder order);

// "12.50 Ω": the main value as the instrument shows it, with its unit; "" when the result has none.
QString MainValueText(const archive::ResultView& view);
// "pass", "fail" or "none", with "(doubtful)" when the reading is.
QString VerdictText(const archive::ResultView& view);

}  // namespace terrovane::history

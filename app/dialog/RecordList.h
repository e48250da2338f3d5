#pragma once

#include <QTableWidget>

#include <QFontMetrics>

#include <array>
#include <optional>

#include "RecordTable.h"

namespace terrovane::app {

inline constexpr int kRecordListRows = 100;
inline constexpr int kRecordListColumns = 3;

// The list's table, which tells when a key moved its selection: the window shows that row as it does for
// a click, so the highlighted row and the display never disagree.
class RecordListView : public QTableWidget {
    Q_OBJECT

  public:
    using QTableWidget::QTableWidget;

  signals:
    void SelectionMovedByKey();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Column widths that show each column's title and its widest possible cell ("99", a date such as
// "2088-88-88", a time such as "88:88:88") whole in `metrics`' font, with the room a header section and
// a cell keep around their text. Widths follow the font, so they hold at every scale.
std::array<int, kRecordListColumns> RecordListColumnWidths(const QFontMetrics& metrics);

// The record list: "No.", "yy-mm-dd", "hh-mm-ss"; rows "00" to "99" with empty date and time; grid
// lines, whole-row selection, white background, read-only.
RecordListView* CreateRecordList(QWidget* parent);

// Empties the date and time of every row, or of one row (rows outside 0-99 are ignored).
void ClearRecordListTexts(QTableWidget* list);
void ClearRecordListRow(QTableWidget* list, int row);
// Writes date and time of every occupied slot of the table; other rows keep what they show.
void FillRecordListTexts(QTableWidget* list, const record::RecordTable& table);
// The first selected row from the top, or nullopt when none is selected.
std::optional<int> FirstSelectedRow(const QTableWidget* list);

}  // namespace terrovane::app

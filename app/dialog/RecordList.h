#pragma once

#include <QTableWidget>

namespace terrovane::app {

inline constexpr int kRecordListRows = 100;
inline constexpr int kRecordListColumnWidths[] = {45, 98, 98};

// The record list: "No.", "yy-mm-dd", "hh-mm-ss"; rows "00" to "99" with empty date and time; grid
// lines, whole-row selection, white background, read-only.
QTableWidget* CreateRecordList(QWidget* parent);

}  // namespace terrovane::app

#pragma once

#include <string>

#include "PrintForm.h"
#include "RecordTable.h"
#include "ReportHeaderInfo.h"

namespace terrovane::report {

inline constexpr int kRowsPerPage = 20;
inline constexpr int kMaxReportPages = 5;

// Draws report page `pageIndex` (zero-based): title, header block, column header row, the 20 rows of
// slots 20*pageIndex .. 20*pageIndex+19 (empty slots included) and the page number.
void DrawReportPage(form::PrintForm& page, const ReportHeaderInfo& header, const record::RecordTable& table,
                    int pageIndex);

// Pages the report needs: up to the last block of 20 slots that holds a record; 0 without records.
int CountReportPages(const record::RecordTable& table);

// A header text as the header block prints it: every letter as typed, cut where it would take more than
// 98 bytes in the files' code page (two for each character outside ASCII), never inside a character.
std::string HeaderCellText(const std::string& text);

}  // namespace terrovane::report

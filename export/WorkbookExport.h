#pragma once

#include <functional>
#include <string>

#include "RecordTable.h"
#include "XlsWorkbook.h"

namespace terrovane::exporting {

// Receives the progress position while the workbook is filled: 1 once the workbook is reset, then the
// slot number after each slot (0..99, so the bar never reaches 100 while filling).
using ProgressCallback = std::function<void(int position)>;

// Fills a workbook with the records: a fresh workbook with "Sheet1" and an empty "Sheet2", the header in
// row 0 and slot i's record, if any, in row i + 1. Every cell is a wide text; empty texts leave the cell
// empty.
void FillWorkbook(xls::XlsWorkbook& workbook, const record::RecordTable& table,
                  const ProgressCallback& progress = {});

// Fills a workbook from the table and saves it at the UTF-8 path without ever leaving the old file
// half-replaced (see SaveReplacing). Returns "" on success or the reason of the failure.
std::string ExportRecords(const record::RecordTable& table, const std::string& utf8Path,
                          const ProgressCallback& progress = {});

}  // namespace terrovane::exporting

#pragma once

#include <string>
#include <vector>

#include "Result.h"
#include "SourceTable.h"

namespace terrovane::imports {

// The names of the workbook's sheets, in the workbook's order.
archive::Result<std::vector<std::string>> XlsxSheets(const std::string& path);

// The rows of one sheet of an .xlsx workbook (the first when `sheet` is empty): shared and inline
// strings, numbers as written, a cell formatted as a date or time as "YYYY-MM-DD HH:MM:SS" whichever
// date system the workbook uses. Each row keeps its row number as its line; cells the sheet skips are
// empty. The parts are read through their relationships, as any writer may name them.
archive::Result<SourceTable> ReadXlsx(const std::string& path, const std::string& sheet);

// True when the file starts as a zip archive does, so it is read as a workbook rather than as CSV.
bool LooksLikeZip(const std::string& path);

}  // namespace terrovane::imports

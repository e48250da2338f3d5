#pragma once

#include <string>

#include "XlsWorkbook.h"

namespace terrovane::exporting {

// Saves the workbook under a temporary name in the target's folder and renames it over the target only
// once the whole file is written, so a failed save leaves any earlier file at the path as it was.
// Returns "" on success, otherwise a message naming the path and the reason.
std::string SaveReplacing(xls::XlsWorkbook& workbook, const std::string& utf8Path);

}  // namespace terrovane::exporting

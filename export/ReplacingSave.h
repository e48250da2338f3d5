#pragma once

#include <string>

#include "XlsWorkbook.h"

namespace terrovane::exporting {

// Saves the workbook as a whole new file that replaces the target only once it is completely on disk, so
// a failed save leaves any earlier file at the path as it was. Returns "" on success, otherwise one
// sentence naming the path and the reason (and the earlier file, when there was one).
std::string SaveReplacing(xls::XlsWorkbook& workbook, const std::string& utf8Path);

}  // namespace terrovane::exporting

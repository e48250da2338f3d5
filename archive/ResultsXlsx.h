#pragma once

#include <string>
#include <vector>

#include "ResultView.h"

namespace terrovane::archive {

// The results as an .xlsx workbook: one sheet, a header row with each quantity's unit, measured values as
// numbers, over-range values as the instrument showed them ("> 300 kΩ") and named in a column of their
// own, codes as their texts ("AFE"), slots 00 to 99, the measuring time as a date, the verdict in words,
// column widths, a frozen header and an autofilter. Replaces `path` only once the workbook is complete. "" on
// success, otherwise the reason.
std::string ExportResultsXlsx(const std::vector<ResultView>& results, const std::string& path);

}  // namespace terrovane::archive

#pragma once

#include <string>
#include <vector>

#include "ResultView.h"

namespace terrovane::archive {

// Replaces the file at `path` with `content` in one step (a temporary file beside it, then a rename): a
// reader never sees half a file, a failure leaves the old one, and a symbolic link at the path is replaced,
// not followed. "" on success, otherwise the reason.
std::string WriteFileReplacing(const std::string& path, const std::string& content);

// The chosen results as a workbook: the 18 columns of Save's sheet, then "Read out", "Label" and "Note".
// "" on success, otherwise the reason.
std::string ExportResultsWorkbook(const std::vector<ResultView>& results, const std::string& path);

}  // namespace terrovane::archive

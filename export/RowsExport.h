#pragma once

#include <string>
#include <vector>

namespace terrovane::exporting {

using TextRow = std::vector<std::string>;

// Saves one sheet, "Sheet1", with the header in row 0 and each row below it (any number of rows the
// format holds, 65535), every cell a wide text and empty texts left empty; the file is replaced only once
// complete (see SaveReplacing). Returns "" on success or the reason of the failure.
std::string ExportRows(const TextRow& header, const std::vector<TextRow>& rows, const std::string& utf8Path);

}  // namespace terrovane::exporting

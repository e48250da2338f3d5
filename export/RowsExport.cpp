#include "RowsExport.h"

#include "ReplacingSave.h"
#include "Utf.h"
#include "XlsWorkbook.h"

namespace terrovane::exporting {
namespace {

void WriteRow(xls::XlsSheet& sheet, int row, const TextRow& texts) {
    for (std::size_t column = 0; column < texts.size(); ++column) {
        if (texts[column].empty()) {
            continue;
        }
        if (xls::XlsCell* cell = sheet.CellAt(row, static_cast<int>(column))) {
            cell->SetWideText(xls::Utf8ToUtf16(texts[column]));
        }
    }
}

}  // namespace

std::string ExportRows(const TextRow& header, const std::vector<TextRow>& rows, const std::string& utf8Path) {
    if (rows.size() + 1 > static_cast<std::size_t>(xls::XlsSheet::kMaxRows)) {
        return "A sheet holds at most " + std::to_string(xls::XlsSheet::kMaxRows - 1) +
               " rows below its header; " + std::to_string(rows.size()) + " were chosen.";
    }
    xls::XlsWorkbook workbook;
    workbook.Reset(1);
    xls::XlsSheet* sheet = workbook.SheetAt(0);
    WriteRow(*sheet, 0, header);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        WriteRow(*sheet, static_cast<int>(i) + 1, rows[i]);
    }
    return SaveReplacing(workbook, utf8Path);
}

}  // namespace terrovane::exporting

#include "WorkbookExport.h"

#include "ExportColumns.h"
#include "ReplacingSave.h"
#include "Utf.h"

namespace terrovane::exporting {
namespace {

constexpr const char* kSheetName = "Sheet1";

void WriteRow(xls::XlsSheet& sheet, int row, const RowTexts& texts) {
    for (std::size_t column = 0; column < texts.size(); ++column) {
        if (xls::XlsCell* cell = sheet.CellAt(row, static_cast<int>(column))) {
            cell->SetWideText(xls::Utf8ToUtf16(texts[column]));
        }
    }
}

}  // namespace

void FillWorkbook(xls::XlsWorkbook& workbook, const record::RecordTable& table,
                  const ProgressCallback& progress) {
    const auto report = [&progress](int position) {
        if (progress) {
            progress(position);
        }
    };
    workbook.Reset(1);
    report(1);
    workbook.AddSheet(-1);
    // The renaming fails because the first sheet already bears the name; the records go to that sheet.
    workbook.RenameSheet(workbook.SheetCount() - 1, kSheetName);
    xls::XlsSheet* sheet = workbook.SheetByName(kSheetName);
    WriteRow(*sheet, 0, HeaderTexts());
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const record::MeasurementRecord* measured = table.At(slot);
        if (measured != nullptr &&
            measured->validMark == static_cast<char>(record::RecordPacket::kValidMark)) {
            WriteRow(*sheet, static_cast<int>(slot) + 1, RecordRowTexts(slot, *measured));
        }
        report(static_cast<int>(slot));
    }
}

std::string ExportRecords(const record::RecordTable& table, const std::string& utf8Path,
                          const ProgressCallback& progress) {
    xls::XlsWorkbook workbook;
    FillWorkbook(workbook, table, progress);
    return SaveReplacing(workbook, utf8Path);
}

}  // namespace terrovane::exporting

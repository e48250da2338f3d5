#include <algorithm>
#include <vector>

#include "StringIndex.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

constexpr std::size_t kMaxSharedChars = SstRecord::kMaxChars;

struct TextTotals {
    std::size_t texts = 0;
    std::size_t charBytes = 0;
};

TextTotals CountTexts(const std::vector<XlsSheet>& sheets) {
    TextTotals totals;
    for (const auto& sheet : sheets) {
        for (int r = 0; r < sheet.RowCount(); ++r) {
            const XlsCell* cells = sheet.RowCells(r);
            for (int c = 0; c < sheet.ColumnCount(); ++c) {
                const int length = cells[c].TextLength();
                if (length > 0) {
                    ++totals.texts;
                    totals.charBytes +=
                        std::min<std::size_t>(static_cast<std::size_t>(length), kMaxSharedChars) *
                        (cells[c].Kind() == WideText ? 2 : 1);
                }
            }
        }
    }
    return totals;
}

void PlanSheet(const XlsSheet& sheet, SheetSection& section, StringIndex& strings, SstRecord& sst) {
    const auto rows = static_cast<std::uint32_t>(sheet.RowCount());
    section.grid.Plan(sheet, strings, sst);
    const bool found = section.grid.HasCells();
    section.index.firstRow = found ? section.grid.FirstRow() : 0;
    section.index.lastRowPlusOne = rows;
    // One DBCELL position per block (a single one when there is none), filled in when placing.
    section.index.dbCellPositions.assign(std::max<std::size_t>(section.grid.BlockCount(), 1), 0);
    section.dimensions.firstRow = found ? section.grid.FirstRow() : 0;
    section.dimensions.lastRowPlusOne = rows;
    section.dimensions.firstColumn = found ? section.grid.FirstColumn() : 0;
    section.dimensions.lastColumnPlusOne = static_cast<std::uint16_t>(sheet.ColumnCount());
}

}  // namespace

void BuildRecords(XlsWorkbook& workbook) {
    SstRecord& sst = workbook.globals_.sst;
    sst.Clear();
    StringIndex strings(sst);
    // Sized for every text being distinct, the common case of large sheets.
    const TextTotals totals = CountTexts(workbook.sheets_);
    strings.Reserve(totals.texts);
    sst.Reserve(totals.texts, totals.charBytes);
    workbook.sections_.clear();
    workbook.sections_.resize(workbook.sheets_.size());
    for (std::size_t i = 0; i < workbook.sheets_.size(); ++i) {
        SheetSection& section = workbook.sections_[i];
        if (i > 0) {
            section.window2.options = Window2Record::kLaterSheetOptions;
        }
        PlanSheet(workbook.sheets_[i], section, strings, sst);
    }
}

void PlaceSheets(XlsWorkbook& workbook) {
    std::size_t position = workbook.globals_.PayloadSize();
    for (std::size_t i = 0; i < workbook.sections_.size(); ++i) {
        workbook.globals_.sheets[i].position = static_cast<std::uint32_t>(position);
        position += workbook.sections_[i].PayloadSize();
    }
}

void PlaceRowBlocks(XlsWorkbook& workbook) {
    std::size_t position = workbook.globals_.PayloadSize();
    for (auto& section : workbook.sections_) {
        position += section.bof.TotalSize() + section.index.TotalSize() + section.dimensions.TotalSize();
        const auto positions = section.grid.DbCellPositions(position);
        std::copy(positions.begin(), positions.end(), section.index.dbCellPositions.begin());
        position += section.grid.TotalSize() + section.window2.TotalSize() + section.eof.TotalSize();
    }
}

}  // namespace terrovane::xls

#include <algorithm>
#include <vector>

#include "RkValue.h"
#include "StringIndex.h"
#include "XlsWorkbook.h"

namespace terrovane::xls {
namespace {

constexpr std::uint16_t kRowHeight = 0x00FF;

// A string table entry counts its characters in 16 bits; longer texts keep their first 65535 characters
// rather than corrupting the table with a wrapped count.
constexpr std::size_t kMaxStoredChars = 65535;

template <typename Char>
std::basic_string_view<Char> Stored(std::basic_string_view<Char> text) {
    return text.substr(0, kMaxStoredChars);
}

// Turns one sheet's grid into its records: ROW records, cell records and DBCELL offset slots per block.
class SheetRecordBuilder {
  public:
    SheetRecordBuilder(const XlsSheet& sheet, SheetSection& section, StringIndex& strings, SstRecord& sst)
        : sheet_(sheet), section_(section), strings_(strings), sst_(sst) {}

    void Build() {
        const int rows = sheet_.RowCount();
        const int columns = sheet_.ColumnCount();
        section_.index.lastRowPlusOne = static_cast<std::uint32_t>(rows);
        section_.dimensions.lastRowPlusOne = static_cast<std::uint32_t>(rows);
        section_.dimensions.lastColumnPlusOne = static_cast<std::uint16_t>(columns);
        section_.rowGroups.resize((static_cast<std::size_t>(rows) + RowGroup::kRowsPerBlock - 1) /
                                  RowGroup::kRowsPerBlock);
        // One DBCELL position per block (a single one when there is none), filled in when placing.
        section_.index.dbCellPositions.assign(std::max<std::size_t>(section_.rowGroups.size(), 1), 0);
        for (int r = 0; r < rows; ++r) {
            BuildRow(r, columns);
        }
        section_.index.firstRow = found_ ? firstRow_ : 0;
        section_.dimensions.firstRow = found_ ? firstRow_ : 0;
        section_.dimensions.firstColumn = found_ ? firstColumn_ : 0;
    }

  private:
    const XlsCell& Cell(int r, int c) const { return *sheet_.Peek(r, c); }

    // Hashes the row's texts and prefetches their lookup slots before any lookup of the row waits on them.
    void HashRowTexts(int r, int columns) {
        rowHashes_.resize(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const XlsCell& cell = Cell(r, c);
            std::uint32_t hash = 0;
            if (cell.Kind() == Text) {
                hash = StringIndex::Hash(Stored(cell.TextView()));
            } else if (cell.Kind() == WideText) {
                hash = StringIndex::Hash(Stored(cell.WideTextView()));
            } else {
                continue;
            }
            rowHashes_[static_cast<std::size_t>(c)] = hash;
            strings_.Prefetch(hash);
        }
    }

    void BuildRow(int r, int columns) {
        RowGroup& block = section_.rowGroups[static_cast<std::size_t>(r) / RowGroup::kRowsPerBlock];
        HashRowTexts(r, columns);
        bool rowStarted = false;
        int c = 0;
        while (c < columns) {
            const XlsCell& cell = Cell(r, c);
            if (cell.Kind() == Empty) {
                ++c;
                continue;
            }
            if (!found_) {
                found_ = true;
                firstRow_ = static_cast<std::uint32_t>(r);
                firstColumn_ = static_cast<std::uint16_t>(c);
            }
            firstColumn_ = std::min(firstColumn_, static_cast<std::uint16_t>(c));
            if (!rowStarted) {
                rowStarted = true;
                RowRecord row;
                row.row = static_cast<std::uint16_t>(r);
                row.lastColumnPlusOne = static_cast<std::uint16_t>(columns);
                row.height = kRowHeight;
                block.AddRow(row);
                block.dbCell.rowOffsets.push_back(0);
            }
            c = EmitCells(block, r, c, columns);
        }
    }

    // Emits the record(s) starting at column c; returns the column where the visit resumes.
    int EmitCells(RowGroup& block, int r, int c, int columns) {
        const auto row = static_cast<std::uint16_t>(r);
        const auto column = static_cast<std::uint16_t>(c);
        const XlsCell& cell = Cell(r, c);
        switch (cell.Kind()) {
            case Integer:
                return EmitIntegers(block, r, c, columns);
            case Double:
                return EmitDoubles(block, r, c, columns);
            case Text:
                block.AddCell(CellRecord::LabelSst(
                    row, column,
                    strings_.IndexOf(Stored(cell.TextView()), rowHashes_[static_cast<std::size_t>(c)])));
                ++sst_.totalCount;
                return c + 1;
            case WideText:
                block.AddCell(CellRecord::LabelSst(
                    row, column,
                    strings_.IndexOf(Stored(cell.WideTextView()), rowHashes_[static_cast<std::size_t>(c)])));
                ++sst_.totalCount;
                return c + 1;
            default:
                return c + 1;
        }
    }

    int EmitIntegers(RowGroup& block, int r, int c, int columns) {
        const auto row = static_cast<std::uint16_t>(r);
        const std::int32_t first = Cell(r, c).IntegerValue();
        // An integer beyond the RK range would lose its high bits: it goes out as a NUMBER of its own.
        if (!IntegerFitsRk(first)) {
            block.AddCell(CellRecord::Number(row, static_cast<std::uint16_t>(c), first));
            return c + 1;
        }
        rkRun_.assign(1, IntegerRk(first));
        int end = c + 1;
        while (end < columns && Cell(r, end).Kind() == Integer &&
               IntegerFitsRk(Cell(r, end).IntegerValue())) {
            rkRun_.push_back(IntegerRk(Cell(r, end).IntegerValue()));
            ++end;
        }
        AddRkRun(block, row, static_cast<std::uint16_t>(c));
        return end;
    }

    int EmitDoubles(RowGroup& block, int r, int c, int columns) {
        const auto row = static_cast<std::uint16_t>(r);
        const double first = Cell(r, c).DoubleValue();
        const bool fits = DoubleFitsRk(first);
        int end = c + 1;
        while (end < columns && Cell(r, end).Kind() == Double &&
               DoubleFitsRk(Cell(r, end).DoubleValue()) == fits) {
            ++end;
        }
        if (!fits) {
            block.AddCell(CellRecord::Number(row, static_cast<std::uint16_t>(c), first));
            return c + 1;
        }
        if (end - c < 2) {
            block.AddCell(CellRecord::Rk(row, static_cast<std::uint16_t>(c), DoubleRk(first)));
            return c + 1;
        }
        rkRun_.clear();
        for (int k = c; k < end; ++k) {
            rkRun_.push_back(DoubleRk(Cell(r, k).DoubleValue()));
        }
        AddRkRun(block, row, static_cast<std::uint16_t>(c));
        return end;
    }

    void AddRkRun(RowGroup& block, std::uint16_t row, std::uint16_t column) {
        if (rkRun_.size() == 1) {
            block.AddCell(CellRecord::Rk(row, column, rkRun_[0]));
        } else {
            block.AddMulRk(row, column, rkRun_);
        }
    }

    const XlsSheet& sheet_;
    SheetSection& section_;
    StringIndex& strings_;
    SstRecord& sst_;
    bool found_ = false;
    std::uint32_t firstRow_ = 0;
    std::uint16_t firstColumn_ = 0;
    std::vector<std::uint32_t> rkRun_;
    std::vector<std::uint32_t> rowHashes_;
};

// Offset k is the distance from the start of ROW k+1 (for k = 0) or of row k's first cell, to the first
// cell of ROW k: the sizes of the cell records before it, after the remaining ROW records.
void PlaceDbCellOffsets(RowGroup& block, std::size_t rowsSize) {
    std::size_t t = rowsSize - (RowRecord::kPayload + kRecordHeaderSize);
    std::size_t cell = 0;
    for (std::size_t k = 0; k < block.rows.size(); ++k) {
        while (cell < block.Cells().size() && block.Cells()[cell].row < block.rows[k].row) {
            t += block.Cells()[cell].TotalSize();
            ++cell;
        }
        block.dbCell.rowOffsets[k] = static_cast<std::uint16_t>(t);
        t = 0;
    }
}

struct TextTotals {
    std::size_t texts = 0;
    std::size_t charBytes = 0;
};

TextTotals CountTexts(const std::vector<XlsSheet>& sheets) {
    TextTotals totals;
    for (const auto& sheet : sheets) {
        for (int r = 0; r < sheet.RowCount(); ++r) {
            for (int c = 0; c < sheet.ColumnCount(); ++c) {
                const XlsCell& cell = *sheet.Peek(r, c);
                if (cell.Kind() == Text) {
                    ++totals.texts;
                    totals.charBytes += Stored(cell.TextView()).size();
                } else if (cell.Kind() == WideText) {
                    ++totals.texts;
                    totals.charBytes += 2 * Stored(cell.WideTextView()).size();
                }
            }
        }
    }
    return totals;
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
            section.window2.options &= static_cast<std::uint16_t>(~Window2Record::kSelected);
        }
        SheetRecordBuilder(workbook.sheets_[i], section, strings, sst).Build();
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
        for (std::size_t j = 0; j < section.rowGroups.size(); ++j) {
            RowGroup& block = section.rowGroups[j];
            const std::size_t rows = block.RowsSize();
            const std::size_t cells = block.CellsSize();
            position += rows + cells;
            section.index.dbCellPositions[j] = static_cast<std::uint32_t>(position);
            position += block.dbCell.TotalSize();
            block.dbCell.firstRowOffset = static_cast<std::uint32_t>(rows + cells);
            PlaceDbCellOffsets(block, rows);
        }
        position += section.window2.TotalSize() + section.eof.TotalSize();
    }
}

}  // namespace terrovane::xls

#include "GridBlocks.h"

#include <algorithm>

#include "BiffRecord.h"
#include "ByteOrder.h"
#include "GridRecords.h"
#include "HugePages.h"
#include "StringIndex.h"
#include "TextHash.h"
#include "XlsSheet.h"

namespace terrovane::xls {
namespace {

constexpr std::uint16_t kRowCode = 0x0208;
constexpr std::size_t kRowBytes = 20;
constexpr std::uint16_t kRowHeight = 0x00FF;
constexpr std::uint16_t kDbCellCode = 0x00D7;

constexpr std::size_t kMaxCellChars = SstRecord::kMaxChars;

template <typename Char>
std::basic_string_view<Char> Stored(std::basic_string_view<Char> text) {
    return text.substr(0, kMaxCellChars);
}

std::uint32_t StoredHash(const XlsCell& cell) {
    if (static_cast<std::size_t>(cell.TextLength()) <= kMaxCellChars) {
        return cell.TextHash();
    }
    return cell.Kind() == CellKind::Text ? TextHashOf(Stored(cell.TextView()))
                                         : TextHashOf(Stored(cell.WideTextView()));
}

// Sizes a row's records and looks its texts up.
class RowSizer {
  public:
    RowSizer(StringIndex& strings, SstRecord& sst, std::vector<std::uint32_t>& textIndexes)
        : strings_(strings), sst_(sst), textIndexes_(textIndexes) {}

    void Text(int, const XlsCell& cell) {
        const std::uint32_t hash = StoredHash(cell);
        textIndexes_.push_back(cell.Kind() == CellKind::Text
                                   ? strings_.IndexOf(Stored(cell.TextView()), hash)
                                   : strings_.IndexOf(Stored(cell.WideTextView()), hash));
        ++sst_.totalCount;
        size += kLabelSstBytes;
    }
    void Rk(int, std::uint32_t) { size += kRkBytes; }
    void Number(int, double) { size += kNumberBytes; }
    void MulRk(int first, int end) { size += MulRkBytes(static_cast<std::size_t>(end - first)); }

    std::size_t size = 0;

  private:
    StringIndex& strings_;
    SstRecord& sst_;
    std::vector<std::uint32_t>& textIndexes_;
};

// Writes a row's records at `out`, taking the texts' string indexes in order from `text`.
class RowWriter {
  public:
    RowWriter(const XlsCell* cells, std::uint16_t row, std::uint8_t* out, const std::uint32_t* text)
        : cells_(cells), row_(row), out_(out), text_(text) {}

    void Text(int c, const XlsCell&) { Single(kLabelSst, c, *text_++); }
    void Rk(int c, std::uint32_t rk) { Single(kRk, c, rk); }
    void Number(int c, double value) {
        Head(kNumber, 14, c);
        PutF64(out_ + 10, value);
        out_ += kNumberBytes;
    }
    void MulRk(int first, int end) {
        const auto count = static_cast<std::size_t>(end - first);
        Head(kMulRk, static_cast<std::uint16_t>(6 + 6 * count), first);
        std::uint8_t* at = out_ + 8;  // the first entry takes the place of a single record's xf
        for (int c = first; c < end; ++c, at += 6) {
            PutU16(at, 0);
            PutU32(at + 2, RunRk(cells_[c]));
        }
        PutU16(at, static_cast<std::uint16_t>(end - 1));
        out_ += MulRkBytes(count);
    }

    std::uint8_t* Out() const { return out_; }
    const std::uint32_t* NextText() const { return text_; }

  private:
    enum : std::uint16_t { kLabelSst = 0x00FD, kRk = 0x027E, kNumber = 0x0203, kMulRk = 0x00BD };
    // Code, length, row, column and (for single-cell records) a zero xf.
    void Head(std::uint16_t code, std::uint16_t payload, int column) {
        PutU16(out_, code), PutU16(out_ + 2, payload);
        PutU16(out_ + 4, row_), PutU16(out_ + 6, static_cast<std::uint16_t>(column)), PutU16(out_ + 8, 0);
    }
    void Single(std::uint16_t code, int column, std::uint32_t value) {
        Head(code, 10, column);
        PutU32(out_ + 10, value);
        out_ += kLabelSstBytes;
    }

    const XlsCell* cells_;
    std::uint16_t row_;
    std::uint8_t* out_;
    const std::uint32_t* text_;
};

// The texts of the next row are looked up while this one is written: their slots are fetched ahead.
void PrefetchRowTexts(const XlsSheet& sheet, int r, const StringIndex& strings) {
    if (r >= sheet.RowCount()) {
        return;
    }
    const XlsCell* cells = sheet.RowCells(r);
    // A cell without text has hash 0 and merely fetches the first slot.
    for (int c = 0; c < sheet.ColumnCount(); ++c) {
        strings.Prefetch(cells[c].TextHash());
    }
}

}  // namespace

std::size_t GridBlocks::Block::RowsSize() const {
    return rowCount * kRowBytes;
}

std::size_t GridBlocks::Block::TotalSize() const {
    return RowsSize() + cellsSize + kRecordHeaderSize + 4 + 2 * rowCount;
}

void GridBlocks::Plan(const XlsSheet& sheet, StringIndex& strings, SstRecord& sst) {
    Release();
    sheet_ = &sheet;
    columns_ = sheet.ColumnCount();
    const auto rows = static_cast<std::size_t>(sheet.RowCount());
    blocks_.resize((rows + kRowsPerBlock - 1) / kRowsPerBlock);
    rows_.reserve(rows);
    const std::size_t cells = rows * static_cast<std::size_t>(columns_);
    textIndexes_.reserve(cells);
    AdviseHugePages(textIndexes_.data(), cells * sizeof(std::uint32_t));
    PrefetchRowTexts(sheet, 0, strings);
    for (int r = 0; r < sheet.RowCount(); ++r) {
        PrefetchRowTexts(sheet, r + 1, strings);
        PlanRow(r, strings, sst);
    }
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        Block& block = blocks_[rows_[k].row / kRowsPerBlock];
        if (block.rowCount == 0) {
            block.firstRow = k;
        }
        ++block.rowCount;
        block.cellsSize += rows_[k].cellsSize;
    }
}

void GridBlocks::PlanRow(int r, StringIndex& strings, SstRecord& sst) {
    const XlsCell* cells = sheet_->RowCells(r);
    RowSizer sizer(strings, sst, textIndexes_);
    VisitRowRecords(cells, columns_, sizer);
    if (sizer.size == 0) {
        return;
    }
    const int first = static_cast<int>(
        std::find_if(cells, cells + columns_, [](const XlsCell& c) { return c.Kind() != Empty; }) - cells);
    if (!found_) {
        found_ = true;
        firstRow_ = static_cast<std::uint32_t>(r);
        firstColumn_ = static_cast<std::uint16_t>(first);
    }
    firstColumn_ = std::min(firstColumn_, static_cast<std::uint16_t>(first));
    rows_.push_back(Row{static_cast<std::uint16_t>(r), static_cast<std::uint32_t>(sizer.size)});
}

void GridBlocks::Release() {
    sheet_ = nullptr;
    std::vector<Row>().swap(rows_);
    std::vector<Block>().swap(blocks_);
    std::vector<std::uint32_t>().swap(textIndexes_);
    found_ = false;
    firstRow_ = 0;
    firstColumn_ = 0;
}

std::size_t GridBlocks::TotalSize() const {
    std::size_t size = 0;
    for (const Block& block : blocks_) {
        size += block.TotalSize();
    }
    return size;
}

std::vector<std::uint32_t> GridBlocks::DbCellPositions(std::size_t position) const {
    std::vector<std::uint32_t> positions;
    positions.reserve(blocks_.size());
    for (const Block& block : blocks_) {
        positions.push_back(static_cast<std::uint32_t>(position + block.RowsSize() + block.cellsSize));
        position += block.TotalSize();
    }
    return positions;
}

std::size_t GridBlocks::Emit(std::uint8_t* out) const {
    std::uint8_t* cursor = out;
    std::size_t text = 0;
    for (const Block& block : blocks_) {
        cursor = EmitBlock(block, cursor, text);
    }
    return static_cast<std::size_t>(cursor - out);
}

std::uint8_t* GridBlocks::EmitBlock(const Block& block, std::uint8_t* out, std::size_t& text) const {
    const auto lastColumnPlusOne = static_cast<std::uint16_t>(columns_);
    for (std::size_t k = 0; k < block.rowCount; ++k) {
        std::uint8_t* p = out;
        PutU16(p, kRowCode), PutU16(p + 2, kRowBytes - kRecordHeaderSize);
        PutU16(p + 4, rows_[block.firstRow + k].row), PutU16(p + 6, 0), PutU16(p + 8, lastColumnPlusOne);
        PutU16(p + 10, kRowHeight), PutU32(p + 12, 0), PutU32(p + 16, 0);
        out += kRowBytes;
    }
    for (std::size_t k = 0; k < block.rowCount; ++k) {
        const Row& row = rows_[block.firstRow + k];
        RowWriter writer(sheet_->RowCells(row.row), row.row, out, textIndexes_.data() + text);
        VisitRowRecords(sheet_->RowCells(row.row), columns_, writer);
        text = static_cast<std::size_t>(writer.NextText() - textIndexes_.data());
        out = writer.Out();
    }
    // DBCELL: back to the block's first ROW, then from ROW 1 (for the first row) or from the previous
    // row's first cell to each row's first cell.
    PutU16(out, kDbCellCode), PutU16(out + 2, static_cast<std::uint16_t>(4 + 2 * block.rowCount));
    PutU32(out + 4, static_cast<std::uint32_t>(block.RowsSize() + block.cellsSize));
    out += 8;
    for (std::size_t k = 0; k < block.rowCount; ++k, out += 2) {
        const std::size_t offset =
            k == 0 ? block.RowsSize() - kRowBytes : rows_[block.firstRow + k - 1].cellsSize;
        PutU16(out, static_cast<std::uint16_t>(offset));
    }
    return out;
}

}  // namespace terrovane::xls

#pragma once

#include <cstdint>
#include <vector>

namespace terrovane::xls {

class XlsSheet;
class StringIndex;
class SstRecord;

// A sheet's row blocks (ROW records, cell records, DBCELL per 32 rows) laid out straight from its cell
// grid. Plan walks the grid once: it looks the texts up in the string table and sizes every row, keeping
// only a few bytes per row and one string index per text. Emit walks it again and writes the records
// directly into the stream, so a million cells never exist as record objects.
class GridBlocks {
  public:
    static constexpr std::size_t kRowsPerBlock = 32;

    // The grid must stay unchanged from Plan to Emit.
    void Plan(const XlsSheet& sheet, StringIndex& strings, SstRecord& sst);
    void Release();

    bool HasCells() const { return found_; }
    std::uint32_t FirstRow() const { return firstRow_; }
    std::uint16_t FirstColumn() const { return firstColumn_; }
    std::size_t BlockCount() const { return blocks_.size(); }
    std::size_t TotalSize() const;
    // Stream positions of every block's DBCELL when the first block starts at `position`.
    std::vector<std::uint32_t> DbCellPositions(std::size_t position) const;
    std::size_t Emit(std::uint8_t* out) const;

  private:
    struct Row {
        std::uint16_t row;
        std::uint32_t cellsSize;
    };
    struct Block {
        std::size_t firstRow = 0;  // into rows_
        std::size_t rowCount = 0;
        std::size_t cellsSize = 0;
        std::size_t RowsSize() const;
        std::size_t TotalSize() const;
    };
    void PlanRow(int r, StringIndex& strings, SstRecord& sst);
    std::uint8_t* EmitBlock(const Block& block, std::uint8_t* out, std::size_t& text) const;

    const XlsSheet* sheet_ = nullptr;
    int columns_ = 0;
    std::vector<Row> rows_;  // rows holding a non-empty cell
    std::vector<Block> blocks_;
    std::vector<std::uint32_t> textIndexes_;  // string index of every text cell in row-major order
    bool found_ = false;
    std::uint32_t firstRow_ = 0;
    std::uint16_t firstColumn_ = 0;
};

}  // namespace terrovane::xls

#pragma once

#include <vector>

#include "CellRecord.h"
#include "SheetRecords.h"

namespace terrovane::xls {

// One block of up to 32 rows: its ROW records, its cell records in row-major order, then its DBCELL.
class RowGroup {
  public:
    static constexpr std::size_t kRowsPerBlock = 32;
    // Cell lists grow in steps of this many records so large sheets do not reallocate per cell.
    static constexpr std::size_t kCellReserveStep = 1000;

    void AddRow(const RowRecord& row) { rows.push_back(row); }
    void AddCell(const CellRecord& cell);
    // Adds a MULRK over consecutive columns from firstColumn, one RK value each.
    void AddMulRk(std::uint16_t row, std::uint16_t firstColumn, std::span<const std::uint32_t> rkValues);

    std::size_t RowsSize() const { return rows.size() * (RowRecord::kPayload + kRecordHeaderSize); }
    std::size_t CellsSize() const { return cellsSize_; }
    const std::vector<CellRecord>& Cells() const { return cells_; }
    std::size_t TotalSize() { return RowsSize() + CellsSize() + dbCell.TotalSize(); }
    std::size_t Emit(std::uint8_t* out);

    std::vector<RowRecord> rows;
    std::vector<std::uint8_t> pool;
    DbCellRecord dbCell;

  private:
    std::vector<CellRecord> cells_;
    std::size_t cellsSize_ = 0;  // kept as cells are added: sizes are asked for several times per save
};

}  // namespace terrovane::xls

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
    std::size_t CellsSize() const;
    std::size_t TotalSize() { return RowsSize() + CellsSize() + dbCell.TotalSize(); }
    std::size_t Emit(std::uint8_t* out);

    std::vector<RowRecord> rows;
    std::vector<CellRecord> cells;
    std::vector<std::uint8_t> pool;
    DbCellRecord dbCell;
};

}  // namespace terrovane::xls

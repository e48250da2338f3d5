#include "RowGroup.h"

#include "ByteOrder.h"

namespace terrovane::xls {

void RowGroup::AddCell(const CellRecord& cell) {
    if (cells_.size() == cells_.capacity()) {
        cells_.reserve(cells_.size() + kCellReserveStep);
    }
    cells_.push_back(cell);
    cellsSize_ += cell.TotalSize();
}

void RowGroup::AddMulRk(std::uint16_t row, std::uint16_t firstColumn,
                        std::span<const std::uint32_t> rkValues) {
    CellRecord record;
    record.code = kMulRk;
    record.row = row;
    record.column = firstColumn;
    record.extraOffset = static_cast<std::uint32_t>(pool.size());
    record.extraSize = static_cast<std::uint32_t>(6 * rkValues.size());
    pool.resize(pool.size() + record.extraSize);
    std::uint8_t* at = pool.data() + record.extraOffset;
    for (std::uint32_t rk : rkValues) {
        PutU16(at, 0);
        PutU32(at + 2, rk);
        at += 6;
    }
    AddCell(record);
}

std::size_t RowGroup::Emit(std::uint8_t* out) {
    std::uint8_t* cursor = out;
    for (auto& row : rows) {
        cursor += row.Emit(cursor);
    }
    for (const auto& cell : cells_) {
        cursor += cell.Emit(cursor, pool);
    }
    cursor += dbCell.Emit(cursor);
    return static_cast<std::size_t>(cursor - out);
}

}  // namespace terrovane::xls

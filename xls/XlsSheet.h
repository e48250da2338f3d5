#pragma once

#include <cstdint>
#include <vector>

#include "XlsCell.h"

namespace terrovane::xls {

class XlsWorkbook;
class SheetSection;
class SstRecord;

// A growable grid of cells: RowCount rows of exactly ColumnCount cells each. Touching a cell grows the
// grid, and the grid's extent becomes the sheet's used range on save. A cell pointer stays valid until
// the grid grows.
class XlsSheet {
  public:
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;

    XlsSheet(XlsWorkbook* workbook, int index) : workbook_(workbook), index_(index) {}

    // The cell, growing the grid to reach it; null beyond row 65535 or column 255.
    XlsCell* CellAt(int row, int column);
    const XlsCell* Peek(int row, int column) const;
    // The ColumnCount() cells of a row inside the grid, for walking a whole row at once.
    const XlsCell* RowCells(int row) const { return rows_[static_cast<std::size_t>(row)].data(); }
    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return columnCount_; }
    int Index() const { return index_; }
    XlsWorkbook* Workbook() const { return workbook_; }

    // Rebuilds the grid from a sheet's records (an empty grid for a fresh section).
    void LoadFrom(const SheetSection& section, const SstRecord& sst);

  private:
    friend class XlsWorkbook;

    XlsWorkbook* workbook_;
    int index_;
    int rowCount_ = 0;
    int columnCount_ = 0;
    std::vector<std::vector<XlsCell>> rows_;
};

}  // namespace terrovane::xls

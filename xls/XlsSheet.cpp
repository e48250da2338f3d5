#include "XlsSheet.h"

#include "ByteOrder.h"
#include "RkValue.h"
#include "SheetSection.h"
#include "SstRecord.h"

namespace terrovane::xls {
namespace {

void SetFromRk(XlsCell* cell, std::uint32_t rk) {
    if (cell == nullptr) {
        return;
    }
    if (RkIsInteger(rk)) {
        cell->SetIntegerValue(RkToInteger(rk));
    } else {
        cell->SetDoubleValue(RkToDouble(rk));
    }
}

void SetFromSst(XlsCell* cell, const SstRecord& sst, std::uint32_t index) {
    if (cell == nullptr || index >= sst.StringCount()) {
        return;
    }
    const BiffText text = sst.TextAt(index);
    text.isWide ? cell->SetWideText(text.wide) : cell->SetText(text.narrow);
}

}  // namespace

XlsCell* XlsSheet::CellAt(int row, int column) {
    if (row < 0 || column < 0 || row >= kMaxRows || column >= kMaxColumns) {
        return nullptr;
    }
    if (column >= columnCount_) {
        columnCount_ = column + 1;
        for (auto& cells : rows_) {
            cells.resize(static_cast<std::size_t>(columnCount_));
        }
    }
    while (row >= rowCount_) {
        rows_.emplace_back(static_cast<std::size_t>(columnCount_));
        ++rowCount_;
    }
    return &rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const XlsCell* XlsSheet::Peek(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount_ || column >= columnCount_) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void XlsSheet::LoadFrom(const SheetSection& section, const SstRecord& sst) {
    rows_.clear();
    rowCount_ = 0;
    columnCount_ = 0;
    const auto& dims = section.dimensions;
    if (dims.lastRowPlusOne > 0 && dims.lastColumnPlusOne > 0) {
        CellAt(static_cast<int>(dims.lastRowPlusOne) - 1, dims.lastColumnPlusOne - 1);
    }
    for (const auto& group : section.rowGroups) {
        for (const auto& record : group.Cells()) {
            const std::uint8_t* extra = group.pool.data() + record.extraOffset;
            switch (record.code) {
                case kRk:
                    SetFromRk(CellAt(record.row, record.column), record.rk);
                    break;
                case kMulRk:
                    for (std::size_t k = 0; k < record.CellCount(); ++k) {
                        SetFromRk(CellAt(record.row, record.column + static_cast<int>(k)),
                                  GetU32(extra + 6 * k + 2));
                    }
                    break;
                case kNumber:
                    if (auto* cell = CellAt(record.row, record.column)) {
                        cell->SetDoubleValue(record.number);
                    }
                    break;
                case kLabelSst:
                    SetFromSst(CellAt(record.row, record.column), sst, record.sstIndex);
                    break;
                case kBoolErr:
                    if (auto* cell = CellAt(record.row, record.column); cell && record.boolErr[1] == 0) {
                        cell->SetIntegerValue(record.boolErr[0]);
                    }
                    break;
                default:
                    break;
            }
        }
    }
}

}  // namespace terrovane::xls

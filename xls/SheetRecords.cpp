#include "SheetRecords.h"

#include "ByteOrder.h"

namespace terrovane::xls {

bool IndexRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 16 || (p.size() - 16) % 4 != 0) {
        return false;
    }
    firstRow = GetU32(&p[4]), lastRowPlusOne = GetU32(&p[8]);
    dbCellPositions.clear();
    for (std::size_t at = 16; at < p.size(); at += 4) {
        dbCellPositions.push_back(GetU32(&p[at]));
    }
    return true;
}

void IndexRecord::WriteFields(std::uint8_t* p) {
    PutU32(p + 4, firstRow), PutU32(p + 8, lastRowPlusOne);
    for (std::size_t i = 0; i < dbCellPositions.size(); ++i) {
        PutU32(p + 16 + 4 * i, dbCellPositions[i]);
    }
}

bool DimensionsRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 14) {
        return false;
    }
    firstRow = GetU32(&p[0]), lastRowPlusOne = GetU32(&p[4]);
    firstColumn = GetU16(&p[8]), lastColumnPlusOne = GetU16(&p[10]);
    return true;
}

void DimensionsRecord::WriteFields(std::uint8_t* p) {
    PutU32(p, firstRow), PutU32(p + 4, lastRowPlusOne), PutU16(p + 8, firstColumn);
    PutU16(p + 10, lastColumnPlusOne), PutU16(p + 12, 0);
}

bool RowRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < kPayload) {
        return false;
    }
    row = GetU16(&p[0]), firstColumn = GetU16(&p[2]), lastColumnPlusOne = GetU16(&p[4]);
    height = GetU16(&p[6]), options = GetU32(&p[12]);
    return true;
}

std::size_t RowRecord::Emit(std::uint8_t* out) {
    PutU16(out, code_);
    PutU16(out + 2, kPayload);
    WriteFields(out + kRecordHeaderSize);
    return TotalSize();
}

void RowRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, row), PutU16(p + 2, firstColumn), PutU16(p + 4, lastColumnPlusOne), PutU16(p + 6, height);
    PutU16(p + 8, 0), PutU16(p + 10, 0), PutU32(p + 12, options);
}

bool DbCellRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 4 || p.size() % 2 != 0) {
        return false;
    }
    firstRowOffset = GetU32(&p[0]);
    rowOffsets.clear();
    for (std::size_t at = 4; at < p.size(); at += 2) {
        rowOffsets.push_back(GetU16(&p[at]));
    }
    return true;
}

void DbCellRecord::WriteFields(std::uint8_t* p) {
    PutU32(p, firstRowOffset);
    for (std::size_t i = 0; i < rowOffsets.size(); ++i) {
        PutU16(p + 4 + 2 * i, rowOffsets[i]);
    }
}

bool Window2Record::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 10) {
        return false;
    }
    options = GetU16(&p[0]), firstVisibleRow = GetU16(&p[2]), firstVisibleColumn = GetU16(&p[4]);
    gridColour = GetU16(&p[6]);
    return true;
}

void Window2Record::WriteFields(std::uint8_t* p) {
    PutU16(p, options), PutU16(p + 2, firstVisibleRow), PutU16(p + 4, firstVisibleColumn);
    PutU16(p + 6, gridColour);
}

}  // namespace terrovane::xls

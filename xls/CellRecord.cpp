#include "CellRecord.h"

#include <cstring>

#include "ByteOrder.h"

namespace terrovane::xls {

CellRecord CellRecord::LabelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index) {
    CellRecord r;
    r.code = kLabelSst, r.row = row, r.column = column, r.sstIndex = index;
    return r;
}

CellRecord CellRecord::Rk(std::uint16_t row, std::uint16_t column, std::uint32_t rkValue) {
    CellRecord r;
    r.code = kRk, r.row = row, r.column = column, r.rk = rkValue;
    return r;
}

CellRecord CellRecord::Number(std::uint16_t row, std::uint16_t column, double value) {
    CellRecord r;
    r.code = kNumber, r.row = row, r.column = column, r.number = value;
    return r;
}

std::size_t CellRecord::CellCount() const {
    switch (code) {
        case kMulRk:
            return extraSize / 6;
        case kMulBlank:
            return extraSize / 2;
        default:
            return 1;
    }
}

std::size_t CellRecord::PayloadSize() const {
    switch (code) {
        case kBlank:
            return 6;
        case kBoolErr:
            return 8;
        case kLabelSst:
        case kRk:
            return 10;
        case kNumber:
            return 14;
        case kMulRk:
        case kMulBlank:
            return 6 + extraSize;
        default:
            return extraSize;  // kept verbatim
    }
}

std::size_t CellRecord::Emit(std::uint8_t* out, std::span<const std::uint8_t> pool) const {
    const std::size_t payload = PayloadSize();
    PutU16(out, code);
    PutU16(out + 2, static_cast<std::uint16_t>(payload));
    std::uint8_t* p = out + 4;
    const std::uint8_t* extra = pool.data() + extraOffset;
    switch (code) {
        case kMulRk:
        case kMulBlank:
            PutU16(p, row), PutU16(p + 2, column);
            std::memcpy(p + 4, extra, extraSize);
            PutU16(p + 4 + extraSize, static_cast<std::uint16_t>(column + CellCount() - 1));
            return payload + 4;
        case kBlank:
        case kBoolErr:
        case kLabelSst:
        case kRk:
        case kNumber:
            PutU16(p, row), PutU16(p + 2, column), PutU16(p + 4, xf);
            break;
        default:
            std::memcpy(p, extra, extraSize);
            return payload + 4;
    }
    if (code == kLabelSst) {
        PutU32(p + 6, sstIndex);
    } else if (code == kRk) {
        PutU32(p + 6, rk);
    } else if (code == kNumber) {
        PutF64(p + 6, number);
    } else if (code == kBoolErr) {
        p[6] = boolErr[0], p[7] = boolErr[1];
    }
    return payload + 4;
}

}  // namespace terrovane::xls

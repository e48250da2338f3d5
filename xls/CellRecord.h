#pragma once

#include <cstdint>
#include <span>

namespace terrovane::xls {

// Record codes a worksheet's cell table may hold.
enum CellCode : std::uint16_t {
    kBlank = 0x0201,
    kMulBlank = 0x00BE,
    kBoolErr = 0x0205,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kRk = 0x027E,
    kMulRk = 0x00BD,
    kFormula = 0x0006,
    kArray = 0x0221,
    kSharedFormula = 0x04BC,
    kSharedFormulaOld = 0x00BC,
    kTable = 0x0036,
    kString = 0x0207,
};

// One cell record of any kind, tagged by its record code and kept compact (24 bytes) because a large
// sheet holds a million of them. Variable parts (MULRK and MULBLANK entries, and the verbatim payloads of
// formula-related records) live in the owning row block's byte pool.
struct CellRecord {
    std::uint16_t code = kBlank;
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t xf = 0;
    std::uint32_t extraOffset = 0;  // into the row block's pool
    std::uint32_t extraSize = 0;
    union {
        std::uint32_t sstIndex;
        std::uint32_t rk;
        double number;
        std::uint8_t boolErr[2];  // value, is-error flag
    };

    CellRecord() : number(0.0) {}
    static CellRecord LabelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index);
    static CellRecord Rk(std::uint16_t row, std::uint16_t column, std::uint32_t rkValue);
    static CellRecord Number(std::uint16_t row, std::uint16_t column, double value);

    // Count of cells a MULRK or MULBLANK covers (1 for the others).
    std::size_t CellCount() const;
    std::size_t PayloadSize() const;
    std::size_t TotalSize() const { return PayloadSize() + 4; }
    std::size_t Emit(std::uint8_t* out, std::span<const std::uint8_t> pool) const;
};

}  // namespace terrovane::xls

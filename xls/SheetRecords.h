#pragma once

#include "BiffRecord.h"

namespace terrovane::xls {

// Used row range and the stream position of every row block's DBCELL.
class IndexRecord : public BiffRecord {
  public:
    IndexRecord() : BiffRecord(0x020B) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 16 + 4 * dbCellPositions.size(); }

    std::uint32_t firstRow = 0;
    std::uint32_t lastRowPlusOne = 0;
    std::vector<std::uint32_t> dbCellPositions;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

class DimensionsRecord : public BiffRecord {
  public:
    DimensionsRecord() : BiffRecord(0x0200) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 14; }

    std::uint32_t firstRow = 0;
    std::uint32_t lastRowPlusOne = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumnPlusOne = 0;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

class RowRecord : public BiffRecord {
  public:
    RowRecord() : BiffRecord(0x0208) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return kPayload; }
    std::size_t TotalSize() override { return kPayload + kRecordHeaderSize; }
    std::size_t Emit(std::uint8_t* out) override;  // fixed size: written directly, no payload buffer

    static constexpr std::size_t kPayload = 16;
    std::uint16_t row = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumnPlusOne = 0;
    std::uint16_t height = 0x00FF;
    std::uint32_t options = 0;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// Closes a row block: the distance back to its first ROW record and one offset per ROW record.
class DbCellRecord : public BiffRecord {
  public:
    DbCellRecord() : BiffRecord(0x00D7) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 4 + 2 * rowOffsets.size(); }

    std::uint32_t firstRowOffset = 0;
    std::vector<std::uint16_t> rowOffsets;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

class Window2Record : public BiffRecord {
  public:
    static constexpr std::uint16_t kFirstSheetOptions = 0x06B6;
    // Every later sheet: neither selected nor displayed, so readers open the workbook on the first sheet,
    // which WINDOW1 names as the active one.
    static constexpr std::uint16_t kLaterSheetOptions = 0x00B6;
    Window2Record() : BiffRecord(0x023E) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 18; }

    std::uint16_t options = kFirstSheetOptions;
    std::uint16_t firstVisibleRow = 0;
    std::uint16_t firstVisibleColumn = 0;
    std::uint16_t gridColour = 64;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

}  // namespace terrovane::xls

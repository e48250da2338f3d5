// The print service's reading of the two hand-off files: the same bytes as data.inf (the 7200-byte image,
// unpacked into the table and turned into every text the report, the list and the display show) and as
// set.inf (three GBK fields).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "CellText.h"
#include "HandoffFiles.h"
#include "PanelReading.h"
#include "Quantity.h"
#include "QuietMessages.h"
#include "RecordTexts.h"

namespace {

using namespace terrovane;
using fuzz::Require;

constexpr format::Quantity kQuantities[] = {
    format::Quantity::Re,
    format::Quantity::Rs,
    format::Quantity::Rh,
    format::Quantity::Rac,
    format::Quantity::R1,
    format::Quantity::R2,
    format::Quantity::Resistivity,
    format::Quantity::Rk,
    format::Quantity::JammingFrequency,
    format::Quantity::JammingVoltage,
    format::Quantity::Iac,
    format::Quantity::Distance,
    format::Quantity::TestVoltage,
    format::Quantity::TestFrequency,
};

// Every text of one slot, as the report, the workbook, the list and the display make them.
void RenderSlot(const record::RecordTable& table, std::size_t slot) {
    const record::MeasurementRecord* record = table.At(slot);
    (void)format::RecordListTexts(table, slot);
    for (const format::Quantity quantity : kQuantities) {
        (void)format::FormatCellText(quantity, record);
        (void)format::FormatPanelReading(quantity, record);
    }
    (void)format::AuxReading(format::Rh(record));
    (void)format::AuxReading(format::Rs(record));
    (void)format::DistanceReading(format::Distance(record));
}

void CheckRecordFile(std::string_view bytes) {
    record::RecordTable table;
    const bool unpacked = handoff::UnpackRecordBytes(bytes, table);
    Require(unpacked == (bytes.size() == record::kReadOutSize));
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const bool stored =
            unpacked &&
            static_cast<std::uint8_t>(
                bytes[slot * record::RecordPacket::kSize + record::RecordPacket::kValidMarkOffset]) ==
                record::RecordPacket::kValidMark;
        Require(table.IsOccupied(slot) == stored);
        RenderSlot(table, slot);
    }
}

void CheckHeaderFile(std::string_view bytes) {
    const auto texts = handoff::ParseHeaderBytes(bytes);
    Require(texts.has_value() == (bytes.size() + 1 >= handoff::kHeaderFileSize));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckRecordFile(bytes);
    CheckHeaderFile(bytes);
    return 0;
}

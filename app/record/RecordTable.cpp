#include "RecordTable.h"

namespace terrovane::record {

bool HasMarkers(std::span<const std::uint8_t, RecordPacket::kSize> packet) {
    return packet[0] == 'O' && packet[1] == 'K' && packet[RecordPacket::kTailMarkerOffset] == 'O' &&
           packet[RecordPacket::kTailMarkerOffset + 1] == 'K';
}

const MeasurementRecord* RecordTable::At(std::size_t slot) const {
    return slot < kSlotCount ? slots_[slot].get() : nullptr;
}

int RecordTable::OccupiedCount() const {
    int count = 0;
    for (const auto& slot : slots_)
        count += slot ? 1 : 0;
    return count;
}

std::optional<std::size_t> RecordTable::FirstOccupied() const {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (slots_[i])
            return i;
    }
    return std::nullopt;
}

void RecordTable::Clear() {
    for (auto& slot : slots_)
        slot.reset();
}

void RecordTable::Set(std::size_t slot, const MeasurementRecord& record) {
    if (slot < kSlotCount)
        slots_[slot] = std::make_unique<MeasurementRecord>(record);
}

void ParseRecords(const ReadOutBuffer& buffer, RecordTable& table) {
    table.Clear();
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const auto packet = PacketOf(buffer, i);
        if (packet[RecordPacket::kValidMarkOffset] != RecordPacket::kValidMark)
            continue;
        table.Set(i, MeasurementRecord::FromPacket(packet));
    }
}

namespace {

// One component: "<lead><digit>" for one digit, "<sep><digits>" for two, nothing for 100 and above.
std::string Component(int value, const char* oneDigitLead, const char* twoDigitLead) {
    if (value < 0 || value >= 100)
        return {};
    if (value < 10)
        return oneDigitLead + std::to_string(value);
    return twoDigitLead + std::to_string(value);
}

}  // namespace

std::string FormatRecordDate(const MeasurementRecord& r) {
    return Component(RecordYear(&r), "200", "20") + Component(RecordMonth(&r), "-0", "-") +
           Component(RecordDay(&r), "-0", "-");
}

std::string FormatRecordTime(const MeasurementRecord& r) {
    return Component(RecordHour(&r), "0", "") + Component(RecordMinute(&r), ":0", ":") +
           Component(RecordSecond(&r), ":0", ":");
}

std::string SlotText(std::size_t slot) {
    return (slot < 10 ? "0" : "") + std::to_string(slot);
}

std::optional<RecordListRow> RecordListTexts(const RecordTable& table, std::size_t slot) {
    const MeasurementRecord* r = table.At(slot);
    if (!r)
        return std::nullopt;
    return RecordListRow{FormatRecordDate(*r), FormatRecordTime(*r)};
}

}  // namespace terrovane::record

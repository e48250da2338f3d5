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

}  // namespace terrovane::record

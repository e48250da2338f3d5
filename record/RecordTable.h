#pragma once

#include <array>
#include <memory>
#include <optional>

#include "MeasurementRecord.h"
#include "RecordPacket.h"

namespace terrovane::record {

// Exactly 100 slots; slot index = instrument storage slot = record list row. Owns its records.
class RecordTable {
  public:
    const MeasurementRecord* At(std::size_t slot) const;
    bool IsOccupied(std::size_t slot) const { return At(slot) != nullptr; }
    int OccupiedCount() const;
    std::optional<std::size_t> FirstOccupied() const;
    void Clear();
    void Set(std::size_t slot, const MeasurementRecord& record);

  private:
    std::array<std::unique_ptr<MeasurementRecord>, kSlotCount> slots_;
};

// Rebuilds every slot from an accepted image: a packet with "U" at byte 67 becomes a record, any other
// packet an empty slot (records of the previous read-out are released either way).
void ParseRecords(const ReadOutBuffer& buffer, RecordTable& table);

}  // namespace terrovane::record

#pragma once

#include <bitset>
#include <cstdint>

#include "RecordPacket.h"
#include "RecordTable.h"

namespace terrovane::record {

// What a window knows of the instrument's stored results: the last accepted image, its decoded table,
// whether a read-out was accepted and sent its requests, and the slot on display. One owner (the main
// dialog, or a command-line run) hands it to the link, the display and the output commands; nobody else
// keeps a copy.
struct ReadOutState {
    ReadOutBuffer buffer{};
    RecordTable table;
    bool dataRead = false;
    bool requestsSent = false;
    std::uint16_t currentIndex = 0;
    // Slots erased one by one since the last accepted read-out: the table keeps their records (the list
    // shows them blank, as always), but they are no longer stored in the instrument.
    std::bitset<kSlotCount> erasedSinceReadOut;

    // The results the instrument still stores, as far as this window knows.
    int StoredCount() const { return table.OccupiedCount() - static_cast<int>(ErasedOccupied()); }

  private:
    std::size_t ErasedOccupied() const {
        std::size_t count = 0;
        for (std::size_t slot = 0; slot < kSlotCount; ++slot)
            count += erasedSinceReadOut[slot] && table.IsOccupied(slot) ? 1 : 0;
        return count;
    }
};

}  // namespace terrovane::record

#pragma once

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
};

}  // namespace terrovane::record

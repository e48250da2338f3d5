#pragma once

#include <cstdint>

namespace terrovane::link {

// Which command's reply the next receive event belongs to. The numbers are the instrument link's own
// (2 is unused) and stay as they are.
enum class PendingCommand : std::int16_t {
    ReadOut = 0,
    SetClock = 1,
    EraseOne = 3,
    EraseAll = 4,
};

}  // namespace terrovane::link

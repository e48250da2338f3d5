#pragma once

#include "RecordPacket.h"

namespace terrovane::sim {

// The results the simulated instrument holds when it is given no image: results of all ten modes in
// 24 of the 100 slots, with gaps, including over-range and invalid readings. Every packet, the empty
// ones too, carries its "OK" markers; occupied ones carry "U" in their valid mark.
record::ReadOutBuffer DemoImage();

}  // namespace terrovane::sim

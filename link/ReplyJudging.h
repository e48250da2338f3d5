#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Outcome.h"
#include "PendingCommand.h"
#include "ReadOutState.h"

namespace terrovane::link {

// Checks the markers of all 100 packets: 0 when every packet carries "OK" at both ends, else -1.
int CheckPackets(const record::ReadOutBuffer& buffer);

// Judges the bytes that answered `command` (an erase of `erasedSlot`): the read-out image of exactly 7200
// bytes with all its markers, a clock reply starting with "OK", an erase reply of exactly 4 bytes starting
// with "OK". The reply's port is not filled in.
Outcome JudgeReply(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot = 0);

// The outcome of `command` stopped at `stage` for `reason`.
Outcome FailureOutcome(PendingCommand command, FailureStage stage, FailureReason reason,
                       std::string detail = {});
// The outcome of `during` when the instrument went away before it answered.
Outcome LostOutcome(PendingCommand during);

}  // namespace terrovane::link

// The commands that change the instrument: its clock, one record, all records.
#include <algorithm>

#include "EraseTexts.h"
#include "InstrumentLink.h"
#include "LinkMessages.h"
#include "MessageBox.h"

namespace terrovane::link {
namespace {

bool StartsWithOk(const std::uint8_t* bytes) {
    return bytes[0] == 'O' && bytes[1] == 'K';
}

}  // namespace

bool InstrumentLink::SetClock() {
    commSettings = kCommSettings;
    if (!Handshake() || OpenPort() != 0) {
        ClosePort();
        CloseProgressIfOpen();
        return false;
    }
    clockReply.fill(0);
    bool sent = false;
    if (const std::optional<ClockSetting> clock = host_.AskClock()) {
        if (!IsClockSettable(*clock)) {
            platform::Alert(kClockOutOfRange);  // its two-digit year cannot say it
        } else if (commandText = ClockLine(*clock); comm_.Output(commandText)) {
            pendingCommand = PendingCommand::SetClock;
            awaitingReply_ = true;
            sent = true;
        } else {
            LoseInstrument(PendingCommand::SetClock);  // gone while the user chose, or the line failed
        }
    }
    if (!state_.dataRead) {
        state_.requestsSent = false;
    }
    return sent;
}

bool InstrumentLink::JudgeClock(const std::vector<std::uint8_t>& reply) {
    std::copy_n(reply.begin(), std::min(reply.size(), clockReply.size()), clockReply.begin());
    const bool ok = StartsWithOk(clockReply.data());
    if (ok) {
        platform::Alert(kClockOk);
    } else {
        platform::Alert(kClockError);
        state_.dataRead = false;
    }
    clockReply.fill(0);
    return ok;
}

bool InstrumentLink::EraseCurrent() {
    if (!state_.dataRead) {
        platform::Alert(kNoDataReadFirst);
        return false;
    }
    const int slot = state_.currentIndex;
    if (slot >= static_cast<int>(record::kSlotCount) || !state_.table.IsOccupied(slot)) {
        platform::Alert(kNoData);
        return false;
    }
    return SendErase(slot, PendingCommand::EraseOne, format::EraseOneDetails(slot, *state_.table.At(slot)));
}

bool InstrumentLink::EraseAll() {
    if (!state_.dataRead) {
        platform::Alert(kNoDataReadFirst);
        return false;
    }
    const int stored = state_.table.OccupiedCount();
    if (stored == 0) {
        platform::Alert(kNoData);
        return false;
    }
    return SendErase(kEraseAllNumber, PendingCommand::EraseAll,
                     format::EraseAllDetails(static_cast<std::size_t>(stored)));
}

bool InstrumentLink::SendErase(int number, PendingCommand command, const std::string& whatGoes) {
    if (DiscoverPort() != 0 || OpenPort() != 0) {
        return false;
    }
    const std::string warning = host_.UnkeptResultsWarning();
    if (!platform::AskBeforeLoss(kEraseQuestion, warning.empty() ? whatGoes : whatGoes + "\n\n" + warning)) {
        return false;
    }
    commandText = EraseLine(number);
    if (!comm_.Output(commandText)) {
        LoseInstrument(command);  // gone while the user was asked, or the line failed
        return false;
    }
    pendingCommand = command;
    awaitingReply_ = true;
    erasedSlot_ = number;  // the row to clear is the one erased, whatever is selected when the reply comes
    return true;
}

bool InstrumentLink::JudgeErase(const std::vector<std::uint8_t>& reply) {
    std::copy_n(reply.begin(), 4, state_.buffer.begin());
    if (!StartsWithOk(reply.data())) {
        platform::Alert(kEraseError);
        state_.dataRead = false;
        return false;
    }
    platform::Alert(kEraseOk);
    if (pendingCommand == PendingCommand::EraseAll) {
        host_.ClearAllListTexts();
    } else {
        host_.ClearListRow(static_cast<std::size_t>(erasedSlot_));
    }
    return true;
}

}  // namespace terrovane::link

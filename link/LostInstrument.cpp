// An instrument that goes away in the middle of a command: noticed, told, and the earlier results kept.
#include "InstrumentLink.h"
#include "LinkMessages.h"
#include "MessageBox.h"
#include "Pause.h"

namespace terrovane::link {

const char* LostInstrumentMessage(PendingCommand command, bool earlierResults) {
    switch (command) {
        case PendingCommand::ReadOut:
            return earlierResults ? kLostDuringReadOut : kLostDuringFirstReadOut;
        case PendingCommand::SetClock:
            return kLostDuringClock;
        case PendingCommand::EraseOne:
        case PendingCommand::EraseAll:
            return kLostDuringErase;
    }
    return earlierResults ? kLostDuringReadOut : kLostDuringFirstReadOut;
}

// Bytes already waiting are the instrument's answer, sent before it went: the receive event that is on
// its way judges them.
bool InstrumentLink::ReplyLost(bool present) const {
    return (!present || comm_.HungUp()) && comm_.InBufferCount() == 0;
}

void InstrumentLink::WatchAwaitedReply() {
    if (!awaitingReply_ || platform::IsPaused()) {
        return;
    }
    if (ReplyLost(DiscoverPort() == 0)) {
        LoseInstrument(pendingCommand);
    }
}

void InstrumentLink::LoseInstrument(PendingCommand during) {
    const bool exchangeOpen = awaitingReply_;
    ClosePort();
    CloseProgressIfOpen();
    host_.SetIdlePictureVisible(false);
    if (during == PendingCommand::ReadOut) {
        // The read-out cleared the list and the display when it began; the table it would have replaced
        // still holds the results read before.
        host_.FillRecordList(state_.table);
        if (state_.dataRead) {
            host_.ShowRecord(state_.currentIndex);
        }
    }
    platform::Alert(LostInstrumentMessage(during, state_.dataRead));
    if (exchangeOpen) {
        emit ExchangeEnded(false);
    }
}

}  // namespace terrovane::link

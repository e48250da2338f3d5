// The Read command and the receive handler that judges every command's reply.
#include <algorithm>

#include "InstrumentLink.h"
#include "LinkMessages.h"
#include "MessageBox.h"
#include "Pause.h"

namespace terrovane::link {

int CheckPackets(const record::ReadOutBuffer& buffer) {
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (!record::HasMarkers(record::PacketOf(buffer, slot))) {
            return -1;
        }
    }
    platform::Alert(kReadOk);
    return 0;
}

bool InstrumentLink::Read() {
    if (state_.dataRead && !platform::Ask(kReadAgainQuestion)) {
        FailRead();
        return false;
    }
    commSettings = kCommSettings;
    if (!Handshake() || OpenPort() != 0) {
        FailRead();
        return false;
    }
    host_.BlankDisplay();
    host_.SetIdlePictureVisible(true);
    host_.ClearAllListTexts();
    pendingCommand = PendingCommand::ReadOut;
    host_.OpenProgress();
    if (!SendRequests()) {
        LoseInstrument(PendingCommand::ReadOut);
        return false;
    }
    CloseProgressIfOpen();
    state_.requestsSent = true;
    awaitingReply_ = true;
    return true;  // the port stays open: the answers are judged by OnComm once this command returned
}

bool InstrumentLink::SendRequests() {
    const std::string_view requestName = CommandNameByCode(0);
    for (int slot = 0; slot < static_cast<int>(record::kSlotCount); ++slot) {
        if (SendIndexedCommand(requestName, slot) < 0) {
            return false;
        }
        host_.SetProgressPosition(slot + 1);
        platform::Pause(kRequestPaceMs);
    }
    return true;
}

void InstrumentLink::FailRead() {
    state_.dataRead = false;
    state_.requestsSent = false;
    ClosePort();
    CloseProgressIfOpen();
}

void InstrumentLink::OnComm() {
    if (comm_.CommEvent() == CMSComm::kEventReceive) {
        OnReply(comm_.Input());
        return;
    }
    awaitingReply_ = false;
    FinishExchange(false);
}

void InstrumentLink::OnReply(const std::vector<std::uint8_t>& reply) {
    awaitingReply_ = false;  // the answer is here: a port watch tick inside its messages must not lose it
    FinishExchange(JudgeReply(reply));
}

void InstrumentLink::OnReplyTimeout() {
    FinishExchange(JudgeReply({}));
}

bool InstrumentLink::JudgeReply(const std::vector<std::uint8_t>& reply) {
    switch (pendingCommand) {
        case PendingCommand::ReadOut:
            if (reply.size() != record::kReadOutSize) {
                platform::Alert(kReadError);
                platform::Alert(kReadError);
                return false;
            }
            return JudgeReadOut(reply);
        case PendingCommand::SetClock:
            return JudgeClock(reply);
        case PendingCommand::EraseOne:
        case PendingCommand::EraseAll:
            if (reply.size() != 4) {
                platform::Alert(kEraseError);
                platform::Alert(kReadError);
                return false;
            }
            return JudgeErase(reply);
    }
    return false;
}

bool InstrumentLink::JudgeReadOut(const std::vector<std::uint8_t>& reply) {
    // Judged apart from the window's buffer: a rejected image must not replace the one that the table,
    // Save and Print still show.
    record::ReadOutBuffer image{};
    std::copy(reply.begin(), reply.end(), image.begin());
    if (CheckPackets(image) != 0) {
        platform::Alert(kReadError);
        state_.dataRead = false;
        return false;
    }
    state_.dataRead = true;
    state_.buffer = image;
    record::ParseRecords(state_.buffer, state_.table);
    host_.FillRecordList(state_.table);
    host_.BlankDisplay();
    host_.ShowSelectedAfterReadOut();
    return true;
}

void InstrumentLink::FinishExchange(bool accepted) {
    host_.SetIdlePictureVisible(false);
    ClosePort();
    CloseProgressIfOpen();
    emit ExchangeEnded(accepted);
}

}  // namespace terrovane::link

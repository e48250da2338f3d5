#include "ReplyJudging.h"

#include <algorithm>
#include <array>

namespace terrovane::link {
namespace {

bool ReplyStartsWithOk(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 'O' && bytes[1] == 'K';
}

Outcome JudgeReadOut(const std::vector<std::uint8_t>& reply) {
    Outcome outcome;
    outcome.command = PendingCommand::ReadOut;
    if (reply.size() != record::kReadOutSize) {
        outcome.reason = FailureReason::WrongLength;
        return outcome;
    }
    std::copy(reply.begin(), reply.end(), outcome.image.begin());
    if (CheckPackets(outcome.image) != 0) {
        outcome.reason = FailureReason::BadMarkers;
        outcome.image = {};
        return outcome;
    }
    outcome.kind = OutcomeKind::ReadOutAccepted;
    return outcome;
}

// Any length will do; only the first bytes, as many as clockReply holds, are looked at.
Outcome JudgeClock(const std::vector<std::uint8_t>& reply) {
    std::array<std::uint8_t, 8> clockReply{};
    std::copy_n(reply.begin(), std::min(reply.size(), clockReply.size()), clockReply.begin());
    Outcome outcome;
    outcome.command = PendingCommand::SetClock;
    if (clockReply[0] == 'O' && clockReply[1] == 'K') {
        outcome.kind = OutcomeKind::ClockSet;
    } else {
        outcome.reason = FailureReason::NotOk;
    }
    return outcome;
}

Outcome JudgeErase(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot) {
    Outcome outcome;
    outcome.command = command;
    outcome.slot = erasedSlot;
    if (reply.size() != 4) {
        outcome.reason = FailureReason::WrongLength;
        return outcome;
    }
    outcome.reply = reply;
    if (ReplyStartsWithOk(reply)) {
        outcome.kind = OutcomeKind::Erased;
    } else {
        outcome.reason = FailureReason::NotOk;
    }
    return outcome;
}

}  // namespace

int CheckPackets(const record::ReadOutBuffer& buffer) {
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (!record::HasMarkers(record::PacketOf(buffer, slot))) {
            return -1;
        }
    }
    return 0;
}

Outcome JudgeReply(PendingCommand command, const std::vector<std::uint8_t>& reply, int erasedSlot) {
    switch (command) {
        case PendingCommand::ReadOut:
            return JudgeReadOut(reply);
        case PendingCommand::SetClock:
            return JudgeClock(reply);
        case PendingCommand::EraseOne:
        case PendingCommand::EraseAll:
            return JudgeErase(command, reply, erasedSlot);
    }
    return {};
}

Outcome FailureOutcome(PendingCommand command, FailureStage stage, FailureReason reason, std::string detail) {
    Outcome outcome;
    outcome.command = command;
    outcome.stage = stage;
    outcome.reason = reason;
    outcome.detail = std::move(detail);
    return outcome;
}

Outcome LostOutcome(PendingCommand during) {
    Outcome outcome;
    outcome.kind = OutcomeKind::InstrumentLost;
    outcome.command = during;
    return outcome;
}

}  // namespace terrovane::link

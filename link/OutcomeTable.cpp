// The one place where the results of the instrument session become the messages the user has always
// seen, and the changes to the read-out state and the window that go with them.
#include "OutcomeTable.h"

#include "LinkMessages.h"

namespace terrovane::link {
namespace {

constexpr const char* kDetail = "{detail}";
// "cannot open serial port", with the system's reason on a second line when it gave one.
constexpr const char* kCannotOpenWithReason = "{cannot-open}";

using K = OutcomeKind;
using R = FailureReason;
using S = FailureStage;
using P = PendingCommand;

OutcomeEffects Effects(std::initializer_list<void (*)(OutcomeEffects&)> changes) {
    OutcomeEffects effects;
    for (auto change : changes) {
        change(effects);
    }
    return effects;
}

void SetRead(OutcomeEffects& e) {
    e.dataRead = DataReadChange::Set;
}
void ClearRead(OutcomeEffects& e) {
    e.dataRead = DataReadChange::Clear;
}
void ClearSent(OutcomeEffects& e) {
    e.clearRequestsSent = true;
}
void Accept(OutcomeEffects& e) {
    e.acceptImage = true;
    e.list = ListChange::Refill;
    e.showFirstRecord = true;
}
void StoreReply(OutcomeEffects& e) {
    e.storeReplyOverImage = true;
}
void ClearAllRows(OutcomeEffects& e) {
    e.list = ListChange::ClearAll;
}
void ClearSlotRow(OutcomeEffects& e) {
    e.list = ListChange::ClearSlot;
}
void Restore(OutcomeEffects& e) {
    e.list = ListChange::Refill;
    e.showRecordAgain = true;
    e.messagesFirst = false;
}
void EndExchange(OutcomeEffects& e) {
    e.endsExchange = true;
}

OutcomeRow Row(K kind, P command, R reason, S stage, std::vector<std::string> messages,
               OutcomeEffects effects, const char* why) {
    return {kind, command, false, reason, stage, false, std::move(messages), effects, why};
}
OutcomeRow AnyStage(OutcomeRow row) {
    row.anyStage = true;
    return row;
}
OutcomeRow Earlier(EarlierResults earlier, OutcomeRow row) {
    row.earlier = earlier;
    return row;
}
OutcomeRow AnyCommand(OutcomeRow row) {
    row.anyCommand = true;
    return row;
}

std::vector<OutcomeRow> BuildRows() {
    const auto readFails = Effects({ClearRead, ClearSent});
    const auto none = OutcomeEffects{};
    std::vector<OutcomeRow> rows = {
        // The read-out.
        AnyStage(Row(K::ReadOutAccepted, P::ReadOut, R::None, S::Reply, {kReadOk},
                     Effects({SetRead, Accept, EndExchange}), "the one good ending")),
        Row(K::Failed, P::ReadOut, R::WrongLength, S::Reply, {kReadError, kReadError}, Effects({EndExchange}),
            "the length rule's own message and the handler's general one are the same text for a read-out"),
        Row(K::Failed, P::ReadOut, R::BadMarkers, S::Reply, {kReadError}, Effects({ClearRead, EndExchange}),
            "only a failed packet check voids the read-out; a wrong length leaves dataRead as it was"),
        Row(K::Failed, P::ReadOut, R::CannotOpen, S::Open, {kCannotOpenWithReason}, readFails,
            "reopening after the handshake fails like any start of the read-out"),
        Earlier(EarlierResults::Some,
                AnyStage(Row(K::InstrumentLost, P::ReadOut, R::None, S::Reply, {kLostDuringReadOut},
                             Effects({Restore, EndExchange}),
                             "the list and display the read-out had cleared show the results read before "
                             "again"))),
        Earlier(EarlierResults::None,
                AnyStage(Row(K::InstrumentLost, P::ReadOut, R::None, S::Reply, {kLostDuringFirstReadOut},
                             Effects({Restore, EndExchange}),
                             "with nothing read before, the message must not claim that results are kept"))),

        // The clock.
        Row(K::ClockSet, P::SetClock, R::None, S::Reply, {kClockOk}, Effects({EndExchange}), "accepted"),
        Row(K::Failed, P::SetClock, R::NotOk, S::Reply, {kClockError}, Effects({ClearRead, EndExchange}),
            "a failed clock reply voids the read-out, so erasing asks for a new one"),
        Row(K::Failed, P::SetClock, R::CannotOpen, S::Open, {kCannotOpenWithReason}, none,
            "reopening after the handshake"),
        Row(K::Failed, P::SetClock, R::DateOutOfRange, S::Open, {kClockOutOfRange}, none,
            "its two-digit year cannot say the date"),
        Row(K::Failed, P::SetClock, R::Cancelled, S::Open, {}, none, "the user cancelled the clock dialog"),
        AnyStage(Row(K::InstrumentLost, P::SetClock, R::None, S::Reply, {kLostDuringClock},
                     Effects({EndExchange}), "gone while the clock line went out or before its reply")),

        // The erase commands (one row covers both unless they differ).
        Row(K::Erased, P::EraseOne, R::None, S::Reply, {kEraseOk},
            Effects({StoreReply, ClearSlotRow, EndExchange}),
            "the instrument's \"OK\" is stored over the image's first bytes, and the success text says "
            "\"please retry\": both as the instrument's users have always known them"),
        Row(K::Erased, P::EraseAll, R::None, S::Reply, {kEraseOk},
            Effects({StoreReply, ClearAllRows, EndExchange}),
            "as erasing one: reply over the image, \"please retry\" in the success text"),
        Row(K::Failed, P::EraseOne, R::WrongLength, S::Reply, {kEraseError, kReadError},
            Effects({EndExchange}),
            "the length rule's message is followed by the handler's general one, which speaks of reading"),
        Row(K::Failed, P::EraseAll, R::WrongLength, S::Reply, {kEraseError, kReadError},
            Effects({EndExchange}), "as erasing one"),
        Row(K::Failed, P::EraseOne, R::NotOk, S::Reply, {kEraseError},
            Effects({StoreReply, ClearRead, EndExchange}),
            "the refused reply is stored over the image too, and the read-out is void"),
        Row(K::Failed, P::EraseAll, R::NotOk, S::Reply, {kEraseError},
            Effects({StoreReply, ClearRead, EndExchange}), "as erasing one"),
        Row(K::Failed, P::EraseOne, R::PortNotFound, S::Open, {}, none,
            "erasing without a port says nothing: there is no handshake to blame"),
        Row(K::Failed, P::EraseAll, R::PortNotFound, S::Open, {}, none, "as erasing one"),
        Row(K::Failed, P::EraseOne, R::PortNameMalformed, S::Open, {kDetail}, none,
            "only the port name's own message"),
        Row(K::Failed, P::EraseAll, R::PortNameMalformed, S::Open, {kDetail}, none, "as erasing one"),
        Row(K::Failed, P::EraseOne, R::CannotOpen, S::Open, {kCannotOpenWithReason}, none, "opening failed"),
        Row(K::Failed, P::EraseAll, R::CannotOpen, S::Open, {kCannotOpenWithReason}, none, "as erasing one"),
        Row(K::Failed, P::EraseOne, R::Cancelled, S::Open, {}, none, "the user said no; the port stays open"),
        Row(K::Failed, P::EraseAll, R::Cancelled, S::Open, {}, none, "as erasing one"),
        AnyStage(Row(K::InstrumentLost, P::EraseOne, R::None, S::Reply, {kLostDuringErase},
                     Effects({EndExchange}), "it may not have erased: the list stays as it was")),
        AnyStage(Row(K::InstrumentLost, P::EraseAll, R::None, S::Reply, {kLostDuringErase},
                     Effects({EndExchange}), "as erasing one")),

        // The handshake, the same for every command that makes one.
        AnyStage(AnyCommand(Row(K::HandshakeAnswered, P::ReadOut, R::None, S::Handshake, {}, none,
                                "a handshake on its own"))),
        AnyCommand(Row(K::Failed, P::ReadOut, R::PortNotFound, S::Handshake, {kDriverError}, none,
                       "nothing to open")),
        AnyCommand(Row(K::Failed, P::ReadOut, R::PortNameMalformed, S::Handshake, {kDetail, kDriverError},
                       none, "the port name's message, then the handshake's own")),
        AnyCommand(Row(K::Failed, P::ReadOut, R::CannotOpen, S::Handshake,
                       {kCannotOpenWithReason, kDriverError}, none,
                       "the open's message, then the handshake's own")),
        AnyCommand(Row(K::Failed, P::ReadOut, R::NoHandshakeReply, S::Handshake, {kNoHandshakeReply}, none,
                       "switched off, or another device on the port")),
        AnyStage(
            AnyCommand(Row(K::Failed, P::ReadOut, R::NotAReceiveEvent, S::Reply, {}, Effects({EndExchange}),
                           "an event that brought nothing still ends the exchange"))),
    };
    // The read-out's failure path comes on top of the handshake's messages: it forgets the read-out.
    std::vector<OutcomeRow> readStarts;
    for (const OutcomeRow& row : rows) {
        if (row.kind == K::Failed && row.stage == S::Handshake) {
            OutcomeRow read = row;
            read.anyCommand = false;
            read.command = P::ReadOut;
            read.effects = readFails;
            read.why = "the handshake of a read-out takes the read-out's failure path";
            readStarts.push_back(read);
        }
    }
    rows.insert(rows.begin(), readStarts.begin(), readStarts.end());
    return rows;
}

bool Matches(const OutcomeRow& row, const Outcome& outcome) {
    return row.kind == outcome.kind && (row.anyCommand || row.command == outcome.command) &&
           row.reason == outcome.reason && (row.anyStage || row.stage == outcome.stage) &&
           (row.earlier == EarlierResults::Either ||
            (row.earlier == EarlierResults::Some) == outcome.earlierResults);
}

}  // namespace

const std::vector<OutcomeRow>& OutcomeRows() {
    static const std::vector<OutcomeRow> rows = BuildRows();
    return rows;
}

const OutcomeRow& RowFor(const Outcome& outcome) {
    for (const OutcomeRow& row : OutcomeRows()) {
        if (Matches(row, outcome)) {
            return row;
        }
    }
    // Every outcome the session reports has a row (a test checks it); anything else ends quietly.
    static const OutcomeRow quiet = {K::Failed, P::ReadOut, true, R::None, S::Reply, true, {}, {}, "unknown"};
    return quiet;
}

std::vector<std::string> OutcomeMessages(const Outcome& outcome) {
    std::vector<std::string> messages;
    for (const std::string& text : RowFor(outcome).messages) {
        if (text == kDetail) {
            messages.push_back(outcome.detail);
        } else if (text == kCannotOpenWithReason) {
            messages.push_back(outcome.detail.empty() ? std::string(kCannotOpenPort)
                                                      : kCannotOpenPort + ("\n" + outcome.detail));
        } else {
            messages.push_back(text);
        }
    }
    return messages;
}

}  // namespace terrovane::link

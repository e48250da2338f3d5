#include "CommandHost.h"

#include <algorithm>

#include "EraseTexts.h"
#include "LinkMessages.h"
#include "MessageBox.h"

namespace terrovane::link {

CommandHost::CommandHost(InstrumentSession& session, LinkView& view, record::ReadOutState& state,
                         QObject* parent)
    : QObject(parent), session_(session), view_(view), state_(state) {
    connect(&session_, &InstrumentSession::BusyChanged, this,
            [this](bool busy) { view_.SetInputBlocked(busy); });
    connect(&session_, &InstrumentSession::RequestsStarting, this, &CommandHost::OnRequestsStarting);
    connect(&session_, &InstrumentSession::RequestSent, this,
            [this](int count) { view_.SetProgressPosition(count); });
    connect(&session_, &InstrumentSession::RequestsDone, this, &CommandHost::OnRequestsDone);
    connect(&session_, &InstrumentSession::Finished, this, &CommandHost::Conclude);
}

bool CommandHost::Read() {
    if (state_.dataRead && !platform::Ask(kReadAgainQuestion)) {
        FailRead();
        return false;
    }
    running_ = true;
    session_.Read();
    return true;
}

void CommandHost::FailRead() {
    state_.dataRead = false;
    state_.requestsSent = false;
    session_.ClosePortIfIdle();
    CloseProgressIfOpen();
}

void CommandHost::OnRequestsStarting() {
    view_.BlankDisplay();
    view_.SetIdlePictureVisible(true);
    view_.ClearAllListTexts();
    view_.OpenProgress();
}

void CommandHost::OnRequestsDone() {
    CloseProgressIfOpen();
    state_.requestsSent = true;
}

bool CommandHost::SetClock() {
    running_ = true;
    session_.SetClock([this] {
        std::optional<ClockSetting> clock = view_.AskClock();
        if (!state_.dataRead) {
            state_.requestsSent = false;
        }
        return clock;
    });
    return true;
}

bool CommandHost::EraseCurrent() {
    if (!state_.dataRead) {
        platform::Alert(kNoDataReadFirst);
        return false;
    }
    const int slot = state_.currentIndex;
    if (slot >= static_cast<int>(record::kSlotCount) || !state_.table.IsOccupied(slot)) {
        platform::Alert(kNoData);
        return false;
    }
    return StartErase(slot, format::EraseOneDetails(static_cast<std::size_t>(slot),
                                                    *state_.table.At(static_cast<std::size_t>(slot))));
}

bool CommandHost::EraseAll() {
    if (!state_.dataRead) {
        platform::Alert(kNoDataReadFirst);
        return false;
    }
    const int stored = state_.StoredCount();
    if (stored == 0) {
        platform::Alert(kNoData);
        return false;
    }
    return StartErase(kEraseAllNumber, format::EraseAllDetails(static_cast<std::size_t>(stored)));
}

bool CommandHost::StartErase(int slot, const std::string& whatGoes) {
    running_ = true;
    session_.Erase(slot, [this, whatGoes] {
        // Asked once the port is open, as before: the warning says whether the results shown are kept.
        const std::string warning = view_.UnkeptResultsWarning();
        return platform::AskBeforeLoss(kEraseQuestion,
                                       warning.empty() ? whatGoes : whatGoes + "\n\n" + warning);
    });
    return true;
}

void CommandHost::PortWatchTick() {
    if (session_.Busy() || watchTickRunning_) {
        return;
    }
    // A parsing message runs its own loop, in which the timer keeps ticking: one box at a time.
    watchTickRunning_ = true;
    const PortPresence presence = session_.WatchPort();
    if (!presence.problem.empty()) {
        platform::Alert(presence.problem);
    }
    watchTickRunning_ = false;
    if (!presence.present && session_.AwaitingReply()) {
        return;  // the session tells whether its answer came before the instrument went
    }
    if (!presence.present) {
        state_.requestsSent = false;
        view_.SetIdlePictureVisible(false);
        session_.ClosePortIfIdle();
        CloseProgressIfOpen();
        return;
    }
    if (!state_.requestsSent) {
        view_.BlankDisplay();
        view_.SetIdlePictureVisible(true);
    } else {
        view_.SetIdlePictureVisible(false);
    }
}

bool CommandHost::PortWatchAtRest() const {
    if (session_.Busy() || watchTickRunning_) {
        return true;  // a tick would return at once
    }
    const std::optional<PortPresence> presence = session_.KnownPresence();
    // A problem is told again on every tick while it lasts; a reply awaited on a vanished port is the
    // session's to judge, so the watch keeps looking until it has.
    if (!presence || !presence->problem.empty() || session_.AwaitingReply()) {
        return false;
    }
    return SettledFor(*presence);
}

bool CommandHost::SettledFor(const PortPresence& presence) const {
    const std::optional<WatchedLooks> looks = view_.Looks();
    if (!looks) {
        return false;
    }
    if (!presence.present) {
        return !state_.requestsSent && !looks->idlePictureVisible && !session_.PortOpen() &&
               !view_.IsProgressOpen();
    }
    if (!state_.requestsSent) {
        return looks->displayBlank && looks->idlePictureVisible;
    }
    return !looks->idlePictureVisible;
}

void CommandHost::Conclude(const Outcome& reported) {
    running_ = false;
    Outcome outcome = reported;
    outcome.earlierResults = state_.dataRead;
    const OutcomeRow& row = RowFor(outcome);
    if (row.effects.acceptImage) {
        view_.ImageAccepted(outcome.image, outcome.port);
    }
    if (row.effects.messagesFirst) {
        for (const std::string& text : OutcomeMessages(outcome)) {
            platform::Alert(text);
        }
    }
    Apply(outcome, row.effects);
    if (!row.effects.messagesFirst) {
        for (const std::string& text : OutcomeMessages(outcome)) {
            platform::Alert(text);
        }
    }
    emit CommandEnded(outcome);
}

void CommandHost::Apply(const Outcome& outcome, const OutcomeEffects& effects) {
    if (effects.dataRead != DataReadChange::Keep) {
        state_.dataRead = effects.dataRead == DataReadChange::Set;
    }
    if (effects.clearRequestsSent) {
        state_.requestsSent = false;
    }
    if (effects.acceptImage) {
        // Judged apart from the window's buffer: only an accepted image replaces the one that the table,
        // Save and Print show.
        state_.buffer = outcome.image;
        record::ParseRecords(state_.buffer, state_.table);
        state_.erasedSinceReadOut.reset();
    }
    if (effects.storeReplyOverImage) {
        std::copy_n(outcome.reply.begin(), std::min<std::size_t>(outcome.reply.size(), 4),
                    state_.buffer.begin());
    }
    ApplyList(outcome, effects.list);
    if (effects.showFirstRecord) {
        view_.BlankDisplay();
        view_.ShowSelectedAfterReadOut();
    }
    if (effects.showRecordAgain && state_.dataRead) {
        view_.ShowRecord(state_.currentIndex);
    }
    if (effects.endsExchange) {
        view_.SetIdlePictureVisible(false);
    }
    CloseProgressIfOpen();
}

void CommandHost::ApplyList(const Outcome& outcome, ListChange change) {
    switch (change) {
        case ListChange::Keep:
            break;
        case ListChange::Refill:
            view_.FillRecordList(state_.table);
            break;
        case ListChange::ClearAll:
            view_.ClearAllListTexts();
            state_.erasedSinceReadOut.set();
            break;
        case ListChange::ClearSlot:
            view_.ClearListRow(static_cast<std::size_t>(outcome.slot));
            state_.erasedSinceReadOut.set(static_cast<std::size_t>(outcome.slot));
            break;
    }
}

void CommandHost::CloseProgressIfOpen() {
    if (view_.IsProgressOpen()) {
        view_.CloseProgress();
    }
}

}  // namespace terrovane::link

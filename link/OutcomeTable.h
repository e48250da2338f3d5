#pragma once

#include <string>
#include <vector>

#include "Outcome.h"

namespace terrovane::link {

// What the host does with the read-out state when a command ends.
enum class DataReadChange { Keep, Set, Clear };
enum class ListChange {
    Keep,
    Refill,     // the list shows the table again (a new one, or the one a lost read-out had cleared)
    ClearAll,   // only the slot numbers remain
    ClearSlot,  // the erased slot's row only
};

struct OutcomeEffects {
    DataReadChange dataRead = DataReadChange::Keep;
    bool clearRequestsSent = false;
    bool acceptImage = false;          // the image becomes the buffer, the table is rebuilt from it
    bool storeReplyOverImage = false;  // the erase reply's 4 bytes go over the buffer's first bytes
    ListChange list = ListChange::Keep;
    bool showFirstRecord = false;  // blank the display, then show the first occupied record
    bool showRecordAgain = false;  // the record on display before a lost read-out, if one was read
    bool endsExchange = false;     // the idle picture and the progress window go, as after any reply
    bool messagesFirst = true;     // the messages come before the window changes (else after)
};

// Whether a row holds only when results of an earlier read-out were on hand, only when there were none,
// or either way.
enum class EarlierResults { Either, Some, None };

// One row: which outcomes it covers, what the user is told, what changes, and why that may look odd.
struct OutcomeRow {
    OutcomeKind kind;
    PendingCommand command;
    bool anyCommand;
    FailureReason reason;
    FailureStage stage;
    bool anyStage;
    std::vector<std::string> messages;  // "{detail}" stands for the outcome's detail
    OutcomeEffects effects;
    const char* why;
    EarlierResults earlier = EarlierResults::Either;
};

// The row for `outcome` (every outcome the session reports has one).
const OutcomeRow& RowFor(const Outcome& outcome);
// The messages of its row, in order, with the outcome's detail filled in.
std::vector<std::string> OutcomeMessages(const Outcome& outcome);
// The whole table, for the tests that check it is complete.
const std::vector<OutcomeRow>& OutcomeRows();

}  // namespace terrovane::link

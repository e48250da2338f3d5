#pragma once

#include <QMetaType>

#include <cstdint>
#include <string>
#include <vector>

#include "PendingCommand.h"
#include "ReadOutState.h"

namespace terrovane::link {

// How a command of the session ended. The session says only what happened; its host decides what the
// user is told and what the window shows (OutcomeTable).
enum class OutcomeKind {
    ReadOutAccepted,  // the 7200-byte image passed its checks
    ClockSet,
    Erased,             // one slot, or all (slot == kEraseAllNumber)
    HandshakeAnswered,  // a handshake on its own (the doctor's check) got its answer
    Failed,
    InstrumentLost,  // it went away while the command sent, or before its reply came
};

enum class FailureReason {
    None,
    PortNotFound,       // no bridge port in the port map
    PortNameMalformed,  // the map names the port in a way that gives no number; `detail` says how
    CannotOpen,         // the port would not open; `detail` holds the system's reason, if any
    NoHandshakeReply,   // not one byte came within the handshake's wait
    WrongLength,        // the reply broke its command's length rule (none at all after a time-out)
    BadMarkers,         // a read-out packet lacks an "OK" marker
    NotOk,              // a clock or erase reply that does not start with "OK"
    DateOutOfRange,     // a date the instrument's two-digit year cannot hold
    Cancelled,          // the user said no (clock dialog, erase question)
    NotAReceiveEvent,   // the serial control raised an event that brought no bytes
};

// Where a failure happened: in the handshake, in opening the port for the command itself, or in its reply.
enum class FailureStage { Handshake, Open, Reply };

struct [[nodiscard]] Outcome {
    OutcomeKind kind = OutcomeKind::Failed;
    PendingCommand command = PendingCommand::ReadOut;
    FailureReason reason = FailureReason::None;
    FailureStage stage = FailureStage::Reply;
    std::string detail;
    // The accepted read-out, and the port it came from.
    record::ReadOutBuffer image{};
    std::string port;
    // An erase: the slot (or kEraseAllNumber) and the instrument's reply bytes.
    int slot = -1;
    std::vector<std::uint8_t> reply;
    // Filled in by the host, which alone knows it: results of an earlier read-out were on hand when the
    // command began (a lost read-out says they are kept only when there were any).
    bool earlierResults = false;
};

}  // namespace terrovane::link

Q_DECLARE_METATYPE(terrovane::link::Outcome)

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "Archive.h"
#include "RecordPacket.h"

namespace terrovane::archive {

// Whether accepted read-outs are kept: the programs' setting (Archive/Enabled) and the command line's
// --no-archive, decided in this one place.
enum class ArchivingPolicy { Keep, Declined, TurnedOff };
ArchivingPolicy PolicyFor(bool settingEnabled, bool declinedByUser);

// An image the program has just accepted: from the instrument, or opened from the archive.
struct AcceptedImage {
    const record::ReadOutBuffer* image = nullptr;
    std::string port;
    std::string readAt;                    // PC time, ISO 8601 with zone; now when empty
    std::optional<std::int64_t> archived;  // the read-out it was opened from
};

// What the accept step did with it.
struct KeptImage {
    enum class State { Kept, AlreadyKept, Declined, TurnedOff, Failed };
    State state = State::Failed;
    std::int64_t readoutId = 0;
    std::string error;       // why it was not kept
    std::string movedAside;  // a damaged archive moved aside under this name before a new one was started

    bool InArchive() const { return state == State::Kept || state == State::AlreadyKept; }
};

// Opens the archive for the accept step: nullptr with `error` set when it cannot be used; `movedAside`
// names a damaged file moved aside on the way.
using ArchiveOpener = std::function<Archive*(std::string& error, std::string& movedAside)>;

// The one accept step of every program: keeps an accepted image in the archive under the policy, before
// anything about the read-out is shown, so nothing is on screen that the archive does not hold. A failure
// never undoes the read-out; the caller tells it.
KeptImage KeepAccepted(const AcceptedImage& accepted, ArchivingPolicy policy, const ArchiveOpener& open);

}  // namespace terrovane::archive

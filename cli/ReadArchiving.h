#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ParseArguments.h"
#include "RecordPacket.h"
#include "ResultView.h"

namespace terrovane::cli {

// Whether a command keeps the read-out it made: not with --no-archive, nor while the main program's
// setting Archive/Enabled is off.
enum class Archiving { Keep, Declined, TurnedOff };
Archiving ArchivingFor(const cliopts::ParsedArguments& options);

// What keeping a read-out came to.
struct KeptReadOut {
    bool stored = false;
    std::int64_t readoutId = 0;
    std::string error;  // why it was not stored
};

// Stores the read-out in the archive; a damaged archive moved aside is told on standard error, prefixed
// with `command`.
KeptReadOut KeepReadOut(const std::string& command, const record::ReadOutBuffer& image,
                        const std::string& port, const std::string& readAt);

// Keeps the read-out of a command whose output does not depend on the archive (export, report): a
// failure is told on standard error and never fails the command; `goesOn` ends that message.
void KeepReadOutOrWarn(const std::string& command, const record::ReadOutBuffer& image,
                       const std::string& port, Archiving archiving, const std::string& goesOn);

// Keeps an accepted read-out in the archive and describes its results in slot order, with their archive
// ids when it was kept. A failure to archive is reported on standard error and never fails the read.
std::vector<archive::ResultView> ArchiveAndDescribe(const record::ReadOutBuffer& image,
                                                    const std::string& port, Archiving archiving);

}  // namespace terrovane::cli

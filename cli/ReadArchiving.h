#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AcceptStep.h"
#include "ParseArguments.h"
#include "RecordPacket.h"
#include "ResultView.h"

namespace terrovane::cli {

class TerminalHost;

// Whether a command keeps the read-out it made: not with --no-archive, nor while the main program's
// setting Archive/Enabled is off.
using Archiving = archive::ArchivingPolicy;
Archiving ArchivingFor(const cliopts::ParsedArguments& options);

// The accept step's outcome for one command, filled in when the instrument's image is accepted.
struct AcceptedHere {
    archive::KeptImage kept;
    std::string readAt;
    std::unique_ptr<archive::Archive> store;  // open while the command describes what it kept
};

// Puts the accept step on `host`: every image it accepts is kept under `archiving` before any message
// about it, and a failure is told on standard error, prefixed with `command` and ended with `goesOn`.
std::shared_ptr<AcceptedHere> KeepOnAcceptance(TerminalHost& host, const std::string& command,
                                               Archiving archiving, const QString& goesOn);

// The image's results in slot order, with their archive ids when the accept step kept them.
std::vector<archive::ResultView> DescribeAccepted(const record::ReadOutBuffer& image, AcceptedHere& accepted);

}  // namespace terrovane::cli

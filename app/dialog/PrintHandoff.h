#pragma once

#include "RecordPacket.h"

namespace terrovane::app {

inline constexpr const char* kPrintServiceProgram = "rapstel";

enum class PrintHandoffResult { NoData, WriteFailed, Started, ServiceNotStarted };

// The main program's Print command: without read-out data says so; otherwise writes data.inf (saying so
// and stopping when that fails) and starts the print service, without waiting for it. When the service
// cannot be started, a message names it and says why; the result tells the caller what happened.
PrintHandoffResult PrintRecords(bool dataRead, const record::ReadOutBuffer& buffer);

}  // namespace terrovane::app

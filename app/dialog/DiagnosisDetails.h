#pragma once

#include <functional>
#include <string>

namespace terrovane::app {

// The doctor's findings to offer beside a message, or empty for a message that needs none: only a
// command that failed to reach the port ("device driver error ...", "cannot open serial port ...") gets
// them, as the detailed text of its box.
using Diagnosis = std::function<std::string()>;
std::string DiagnosisDetails(const std::string& messageText, const Diagnosis& diagnose);

// The running system's checklist in the running language (no handshake: the command just failed at that).
std::string SystemDiagnosis();

}  // namespace terrovane::app

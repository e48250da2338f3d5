#pragma once

#include "DiagnosisDetails.h"

namespace terrovane::app {

// Routes every platform message through a modal message box on the active window; a failure to reach the
// port gets `diagnose`'s findings as the box's detailed text.
void InstallGuiMessageHandler(Diagnosis diagnose = SystemDiagnosis);

}  // namespace terrovane::app

#pragma once

#include <QMessageBox>

#include <memory>

#include "DiagnosisDetails.h"
#include "MessageBox.h"

namespace terrovane::app {

// Routes every platform message through a modal message box on the active window; a failure to reach the
// port gets `diagnose`'s findings as the box's detailed text.
void InstallGuiMessageHandler(Diagnosis diagnose = SystemDiagnosis);

// The box that handler shows for `message`, not yet shown.
std::unique_ptr<QMessageBox> MessageBoxFor(const platform::Message& message, const Diagnosis& diagnose,
                                           QWidget* parent);

}  // namespace terrovane::app

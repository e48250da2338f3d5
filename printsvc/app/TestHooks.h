#pragma once

#include <optional>

class QDialog;

namespace terrovane::printsvc {

// Environment switches that let tests and screenshot scripts drive the modal windows without a person:
//   RAPSTEL_AUTO_HEADER=accept|cancel  answers the header dialog as soon as it is shown;
//   RAPSTEL_AUTO_PREVIEW_MS=N          closes the print preview N ms after it is shown;
//   RAPSTEL_AUTO_PREVIEW_MS=stdin      closes it once standard input has a line or ends;
//   RAPSTEL_AUTO_MESSAGES=1            prints messages to standard output instead of showing boxes.
void ArmHeaderDialogHook(QDialog& dialog);
void ArmPreviewHook(QDialog& preview);
bool MessagesToStdout();

}  // namespace terrovane::printsvc

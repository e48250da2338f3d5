#include "TestHooks.h"

#include <QDialog>
#include <QTimer>

namespace terrovane::printsvc {

void ArmHeaderDialogHook(QDialog& dialog) {
    const QString answer = qEnvironmentVariable("RAPSTEL_AUTO_HEADER");
    if (answer == "accept")
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    if (answer == "cancel")
        QTimer::singleShot(0, &dialog, &QDialog::reject);
}

void ArmPreviewHook(QDialog& preview) {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("RAPSTEL_AUTO_PREVIEW_MS", &ok);
    if (ok)
        QTimer::singleShot(ms, &preview, &QDialog::reject);
}

bool MessagesToStdout() {
    return qEnvironmentVariableIntValue("RAPSTEL_AUTO_MESSAGES") == 1;
}

}  // namespace terrovane::printsvc

#include "TestHooks.h"

#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

namespace terrovane::printsvc {

void ArmHeaderDialogHook(QDialog& dialog) {
    const QString answer = qEnvironmentVariable("RAPSTEL_AUTO_HEADER");
    if (answer == "accept")
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    if (answer == "cancel")
        QTimer::singleShot(0, &dialog, &QDialog::reject);
}

void ArmPreviewHook(QDialog& preview) {
    if (qEnvironmentVariable("RAPSTEL_AUTO_PREVIEW_MS") == "stdin") {
        // Open for as long as the driving test needs it, however slowly the machine runs meanwhile.
        auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &preview);
        QObject::connect(input, &QSocketNotifier::activated, &preview, [input, &preview] {
            input->setEnabled(false);
            preview.reject();
        });
        return;
    }
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("RAPSTEL_AUTO_PREVIEW_MS", &ok);
    if (ok)
        QTimer::singleShot(ms, &preview, &QDialog::reject);
}

bool MessagesToStdout() {
    return qEnvironmentVariableIntValue("RAPSTEL_AUTO_MESSAGES") == 1;
}

}  // namespace terrovane::printsvc

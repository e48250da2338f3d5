#include "MessageBoxHandler.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

#include "MessageBox.h"
#include "MessageText.h"
#include "TestHooks.h"

namespace terrovane::printsvc {

void InstallMessageBoxHandler() {
    platform::SetMessageHandler([](const platform::Message& message) {
        if (MessagesToStdout()) {
            std::printf("%s\n", platform::FilledText(message).c_str());
            std::fflush(stdout);
            return platform::MessageResult::Ok;
        }
        QMessageBox box(
            message.icon == platform::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
            "Rapstel", texts::MessageText(message),
            message.buttons == platform::MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                                  : QMessageBox::Ok);
        if (message.topmost)
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
        return box.exec() == QMessageBox::Ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
    });
}

}  // namespace terrovane::printsvc

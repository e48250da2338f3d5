#include "MessageBoxHandler.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

#include "MessageBox.h"
#include "TestHooks.h"

namespace terrovane::printsvc {

void InstallMessageBoxHandler() {
    platform::SetMessageHandler([](const platform::Message& message) {
        if (MessagesToStdout()) {
            std::printf("%s\n", message.text.c_str());
            std::fflush(stdout);
            return platform::MessageResult::Ok;
        }
        QMessageBox box(
            message.icon == platform::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
            "Rapstel", QCoreApplication::translate("Messages", message.text.c_str()),
            message.buttons == platform::MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                                  : QMessageBox::Ok);
        if (message.topmost)
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
        return box.exec() == QMessageBox::Ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
    });
}

}  // namespace terrovane::printsvc

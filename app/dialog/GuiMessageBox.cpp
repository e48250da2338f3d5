#include "GuiMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "MessageBox.h"

namespace terrovane::app {

namespace {

platform::MessageResult ShowMessageBox(const platform::Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(message.caption));
    box.setText(QString::fromStdString(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(message.icon == platform::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    const bool question = message.buttons == platform::MessageButtons::OkCancel;
    box.setStandardButtons(question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    if (message.topmost) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return box.exec() == QMessageBox::Ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

}  // namespace

void InstallGuiMessageHandler() {
    platform::SetMessageHandler(ShowMessageBox);
}

}  // namespace terrovane::app

#include "GuiMessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "MessageBox.h"

namespace terrovane::app {

namespace {

platform::MessageResult ShowMessageBox(const platform::Message& message, const Diagnosis& diagnose) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(message.caption));
    // Fixed messages are marked for translation under "Messages" wherever they are made, below the
    // widgets too; composed ones arrive translated (and then match no source, so they stay as they are).
    box.setText(QCoreApplication::translate("Messages", message.text.c_str()));
    box.setTextFormat(Qt::PlainText);
    if (!message.details.empty()) {
        box.setInformativeText(QString::fromStdString(message.details));
    }
    // The message stays what it always was; why the port could not be reached is one click away.
    const std::string details = DiagnosisDetails(message.text, diagnose);
    if (!details.empty()) {
        box.setDetailedText(QString::fromStdString(details));
    }
    box.setIcon(message.icon == platform::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    const bool question = message.buttons == platform::MessageButtons::OkCancel;
    box.setStandardButtons(question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(question && message.defaultAnswer == platform::MessageResult::Cancel
                             ? QMessageBox::Cancel
                             : QMessageBox::Ok);
    if (message.topmost) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return box.exec() == QMessageBox::Ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

}  // namespace

void InstallGuiMessageHandler(Diagnosis diagnose) {
    platform::SetMessageHandler([diagnose = std::move(diagnose)](const platform::Message& message) {
        return ShowMessageBox(message, diagnose);
    });
}

}  // namespace terrovane::app

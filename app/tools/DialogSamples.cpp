// The main window and its dialogs, for the screenshot tools and the screen-fit walk.
#include "DialogSamples.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "CAboutDlg.h"
#include "CDateTimeDlg.h"
#include "CTesterDlg.h"
#include "GuiMessageBox.h"
#include "LinkMessages.h"
#include "LinkView.h"
#include "MessageBox.h"
#include "PortChooser.h"
#include "ProgressWindow.h"

namespace terrovane::app::samples {

namespace {

// The progress window belongs to an owner and is shown as soon as it is made, as the program does.
std::shared_ptr<QWidget> Progress() {
    struct Held {
        QWidget owner;
        ui::ProgressWindow progress{&owner,
                                    QCoreApplication::translate("Progress", link::kProgressTitle.data())};
    };
    auto held = std::make_shared<Held>();
    held->progress.SetText(QCoreApplication::translate("Progress", link::kProgressMessage.data()));
    held->progress.ShowCancelButton(true);
    held->progress.SetPos(45);
    return {held, held->progress.Window()};
}

// The findings of a machine where nothing of the instrument's bridge is found, long lines as the doctor
// writes them.
std::string SampleFindings() {
    std::string findings;
    for (int i = 0; i < 14; ++i) {
        findings +=
            "[!!] no USB device of the bridge's vendor is attached: plug the instrument's cable in, "
            "or run `terrovane-cli ports` to see what the program sees\n";
    }
    return findings;
}

std::shared_ptr<QWidget> Message(const platform::Message& message, bool openDetails) {
    std::shared_ptr<QMessageBox> box = MessageBoxFor(
        message, [] { return SampleFindings(); }, nullptr);
    if (openDetails) {
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole) {
                button->click();  // "Show Details..."
            }
        }
    }
    return box;
}

}  // namespace

screenfit::WindowSamples Windows() {
    return {
        {QStringLiteral("main"), [] { return std::make_shared<CTesterDlg>(); }},
        {QStringLiteral("about"), [] { return std::make_shared<CAboutDlg>(); }},
        {QStringLiteral("clock"), [] { return std::make_shared<ui::CDateTimeDlg>(); }},
        {QStringLiteral("progress"), Progress},
        {QStringLiteral("port-chooser"),
         [] {
             return std::make_shared<PortChooser>(
                 std::vector<platform::BridgePort>{
                     {3, "/dev/terrovane-0001A2B3", "ea60", "0001A2B3", "1-1.4"},
                     {4, "/dev/terrovane-usb-3-2", "ea60", "0001", "3-2"}},
                 "0001A2B3");
         }},
        {QStringLiteral("message-diagnosis"),
         [] {
             return Message({link::kDriverError, platform::kApplicationTitle}, true);
         }},
        {QStringLiteral("message-short"),
         [] {
             return Message({link::kReadOk, platform::kApplicationTitle}, false);
         }},
    };
}

}  // namespace terrovane::app::samples

// Renders the about box, the clock dialog, a progress window and a port failure's message box with the
// doctor's findings shown into <folder>/*.png.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "CAboutDlg.h"
#include "CDateTimeDlg.h"
#include "GuiMessageBox.h"
#include "LanguageChoice.h"
#include "LinkMessages.h"
#include "MessageBox.h"
#include "ProgressWindow.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    QCoreApplication::processEvents();
    return widget.grab().save(folder.filePath(QString::fromLatin1(name)));
}

// The box a command that could not reach the port shows, its details (this system's findings) opened.
bool SaveDiagnosis(const QDir& folder) {
    terrovane::app::InstallGuiMessageHandler();
    bool saved = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            // The details button is the one that is no answer to the box.
            for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
                if (button != box->button(QMessageBox::Ok))
                    button->click();
            }
            // Let the box lay itself out around its details as it does on the screen.
            QEventLoop settle;
            QTimer::singleShot(300, &settle, &QEventLoop::quit);
            settle.exec();
            saved = box->grab().save(folder.filePath(QStringLiteral("diagnosis.png")));
            box->accept();
        }
    });
    terrovane::platform::Alert(terrovane::link::kDriverError);
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), so one run per language shows each.
    terrovane::translations::InstallLanguage(terrovane::translations::SystemLanguage());
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    terrovane::app::CAboutDlg about;
    terrovane::ui::CDateTimeDlg clock;
    QWidget owner;
    terrovane::ui::ProgressWindow progress(&owner, QStringLiteral("Read data"));
    progress.SetText("Reading the instrument's records...\nRecord 45 of 100");
    progress.ShowCancelButton(true);
    progress.SetPos(45);
    const bool saved = Save(about, folder, "about.png") && Save(clock, folder, "clock.png") &&
                       Save(*progress.Window(), folder, "progress.png") && SaveDiagnosis(folder);
    return saved ? 0 : 1;
}

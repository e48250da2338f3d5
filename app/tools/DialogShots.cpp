// Renders the about box, the clock dialog and a progress window into <folder>/*.png.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "CAboutDlg.h"
#include "CDateTimeDlg.h"
#include "LanguageChoice.h"
#include "ProgressWindow.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    QCoreApplication::processEvents();
    return widget.grab().save(folder.filePath(QString::fromLatin1(name)));
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
                       Save(*progress.Window(), folder, "progress.png");
    return saved ? 0 : 1;
}

#include "CTesterApp.h"

#include "CTesterDlg.h"
#include "GuiMessageBox.h"
#include "ProgramIcon.h"
#include "Settings.h"
#include "Strings.h"

namespace terrovane::app {

CTesterApp::CTesterApp(int& argc, char** argv) : QApplication(argc, argv) {}

int CTesterApp::InitInstance() {
    // Settings live under the profile key, as organisation, with the program's own name below it.
    setOrganizationName(QString::fromUtf8(platform::kSettingsProfile));
    setApplicationName(QString::fromUtf8(res::kProgramName));
    setDesktopFileName("org.terrovane.Terrovane");  // the desktop entry and icon under Wayland
    setWindowIcon(res::ProgramIcon());
    InstallGuiMessageHandler();
    CTesterDlg dialog;
    dialog.exec();
    return 0;
}

}  // namespace terrovane::app

#include "RapstelApp.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "CMainFrame.h"
#include "CMainView.h"
#include "InstanceLock.h"
#include "MessageBox.h"

namespace terrovane::printsvc {

RapstelApp::RapstelApp() = default;
RapstelApp::~RapstelApp() = default;

bool RapstelApp::InitInstance() {
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("Rapstel");
    QGuiApplication::setDesktopFileName("org.terrovane.Rapstel");
    frame_ = std::make_unique<CMainFrame>();
    frame_->View()->OnInitialUpdate();
    frame_->show();
    // Checked only now, so a second instance has asked for its header before it learns it must end.
    lock_ = std::make_unique<platform::InstanceLock>(kInstanceLockName);
    if (lock_->AlreadyRunning()) {
        platform::ShowMessage({kSecondInstanceMessage, "Rapstel"});
        return false;
    }
    frame_->setWindowFlag(Qt::WindowStaysOnTopHint);
    frame_->show();
    return true;
}

}  // namespace terrovane::printsvc

#include "RapstelApp.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <string>

#include "CMainFrame.h"
#include "CMainView.h"
#include "HandoffFiles.h"
#include "InstanceLock.h"
#include "MessageBox.h"

namespace terrovane::printsvc {

RapstelApp::RapstelApp() = default;
RapstelApp::~RapstelApp() = default;

namespace {

void Tell(const std::string& text) {
    platform::ShowMessage({text, "Rapstel"});
}

}  // namespace

bool RapstelApp::InitInstance() {
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("Rapstel");
    QGuiApplication::setDesktopFileName("org.terrovane.Rapstel");
    // A refused hand-off file is not read; the user learns why before the empty or remembered texts show.
    for (const std::string& problem : handoff::HandoffProblems())
        Tell(problem);
    frame_ = std::make_unique<CMainFrame>();
    frame_->View()->OnInitialUpdate();
    frame_->show();
    // Checked only now, so a second instance has asked for its header before it learns it must end.
    lock_ = std::make_unique<platform::InstanceLock>(kInstanceLockName);
    if (lock_->AlreadyRunning()) {
        Tell(QCoreApplication::translate("RapstelApp", kSecondInstanceMessage).toStdString());
        return false;
    }
    // Without a safe place for the lock this instance goes on unguarded rather than not printing at all.
    if (!lock_->Problem().empty())
        Tell(lock_->Problem());
    frame_->setWindowFlag(Qt::WindowStaysOnTopHint);
    frame_->show();
    return true;
}

}  // namespace terrovane::printsvc

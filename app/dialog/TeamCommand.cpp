// File > Team...: the team server's sign-in and syncs. The session lives as long as the main window, so
// the automatic syncs go on with the dialog closed.
#include "ArchivePath.h"
#include "CTesterDlg.h"

namespace terrovane::app {

void CTesterDlg::CreateTeamSession() {
    team_ = std::make_unique<teamui::TeamSession>(archive::DefaultArchivePath());
    team_->Restore();
}

void CTesterDlg::OnTeam() {
    if (teamDialog_ == nullptr) {
        teamDialog_ = std::make_unique<teamui::TeamDialog>(*team_, this);
    }
    teamDialog_->show();
    teamDialog_->raise();
    teamDialog_->activateWindow();
}

}  // namespace terrovane::app

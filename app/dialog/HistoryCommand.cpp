// The History command: the archive's window, and loading a past read-out back into the main window.
#include <QCoreApplication>

#include "ArchiveHook.h"
#include "ArchiveProblemText.h"
#include "CTesterDlg.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "SyncStrip.h"

namespace terrovane::app {

void CTesterDlg::OnHistory() {
    if (history_ == nullptr) {
        archive::Archive* store = archiveHook_->Archive();
        history_ = std::make_unique<history::HistoryWindow>(
            store, QString::fromStdString(archiveHook_->Problem()), this);
        connect(history_.get(), &history::HistoryWindow::OpenReadOut, this, &CTesterDlg::OpenArchivedReadOut);
        connect(archiveHook_.get(), &ArchiveHook::Archived, history_.get(), &history::HistoryWindow::Refresh);
        if (store != nullptr) {
            auto* strip = new teamui::SyncStrip(*store, *team_, history_.get());
            history_->AddFooter(strip);
            connect(history_.get(), &history::HistoryWindow::Refreshed, strip, &teamui::SyncStrip::Refresh);
            // What a sync brought shows at once, not only when the file's watch notices it.
            connect(team_.get(), &teamui::TeamSession::SyncFinished, history_.get(),
                    &history::HistoryWindow::Refresh);
            // Asked when a report is issued: a sign-in after the window opened counts.
            history_->serverReportNumber = [team = team_.get()](const std::string& prefix, int year) {
                return team->IssueReportNumber(prefix, year);
            };
            history_->inTeam = [team = team_.get()] { return !team->Server().isEmpty(); };
        }
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
}

// As an accepted read-out does: the image into the buffer, the table rebuilt, the list and the panel
// showing it; Show, Save and Print then work on it as on any read-out.
bool CTesterDlg::OpenArchivedReadOut(qint64 readoutId) {
    archive::Archive* store = archiveHook_->Archive();
    std::string error = archiveHook_->Problem();
    const auto image = store != nullptr ? store->Image(readoutId, error) : std::nullopt;
    if (!image) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The read-out could not be opened: %1"),
                        {texts::ArchiveProblemText(error).toStdString()});
        return false;
    }
    // Through the accept step like a read-out, which knows the archive holds it already.
    archiveHook_->Accept({&*image, {}, {}, readoutId});
    view_->ClearAllListTexts();
    state_->buffer = *image;
    record::ParseRecords(state_->buffer, state_->table);
    state_->dataRead = true;
    // What a read-out of the instrument leaves set: the port watch then keeps the display as it is instead
    // of blanking it for the idle picture.
    state_->requestsSent = true;
    view_->FillRecordList(state_->table);
    view_->BlankDisplay();
    view_->SetIdlePictureVisible(false);
    view_->ShowSelectedAfterReadOut();
    return true;
}

}  // namespace terrovane::app

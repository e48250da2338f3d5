#include "HistoryCommand.h"

#include <QCoreApplication>

#include "ArchiveHook.h"
#include "ArchiveProblemText.h"
#include "MessageBox.h"
#include "SyncStrip.h"

namespace terrovane::app {

HistoryCommand::HistoryCommand(ArchiveHook& archive, teamui::TeamSession& team, link::LinkView& view,
                               record::ReadOutState& state, QWidget& owner)
    : archive_(archive), team_(team), view_(view), state_(state), owner_(owner) {}

HistoryCommand::~HistoryCommand() = default;

void HistoryCommand::Open() {
    if (window_ == nullptr) {
        CreateWindow();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HistoryCommand::CreateWindow() {
    archive::Archive* store = archive_.Archive();
    window_ =
        std::make_unique<history::HistoryWindow>(store, QString::fromStdString(archive_.Problem()), &owner_);
    connect(window_.get(), &history::HistoryWindow::OpenReadOut, this, &HistoryCommand::OpenReadOut);
    connect(&archive_, &ArchiveHook::Archived, window_.get(), &history::HistoryWindow::Refresh);
    if (store != nullptr) {
        AddSyncStrip(*store);
    }
}

void HistoryCommand::AddSyncStrip(archive::Archive& store) {
    auto* strip = new teamui::SyncStrip(store, team_, window_.get());
    window_->AddFooter(strip);
    connect(window_.get(), &history::HistoryWindow::Refreshed, strip, &teamui::SyncStrip::Refresh);
    // What a sync brought shows at once, not only when the file's watch notices it.
    connect(&team_, &teamui::TeamSession::SyncFinished, window_.get(), &history::HistoryWindow::Refresh);
    // Asked when a report is issued: a sign-in after the window opened counts.
    window_->Reporting().serverReportNumber = [team = &team_](const std::string& prefix, int year) {
        return team->IssueReportNumber(prefix, year);
    };
    window_->Reporting().inTeam = [team = &team_] { return !team->Server().isEmpty(); };
}

// As an accepted read-out does: the image into the buffer, the table rebuilt, the list and the panel
// showing it; Show, Save and Print then work on it as on any read-out.
bool HistoryCommand::OpenReadOut(qint64 readoutId) {
    archive::Archive* store = archive_.Archive();
    std::string error = archive_.Problem();
    const auto image = store != nullptr ? store->Image(readoutId, error) : std::nullopt;
    if (!image) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The read-out could not be opened: %1"),
                        {texts::ArchiveProblemText(error).toStdString()});
        return false;
    }
    // Through the accept step like a read-out, which knows the archive holds it already.
    archive_.Accept({&*image, {}, {}, readoutId});
    view_.ClearAllListTexts();
    state_.buffer = *image;
    record::ParseRecords(state_.buffer, state_.table);
    state_.dataRead = true;
    // What a read-out of the instrument leaves set: the port watch then keeps the display as it is instead
    // of blanking it for the idle picture.
    state_.requestsSent = true;
    view_.FillRecordList(state_.table);
    view_.BlankDisplay();
    view_.SetIdlePictureVisible(false);
    view_.ShowSelectedAfterReadOut();
    return true;
}

}  // namespace terrovane::app

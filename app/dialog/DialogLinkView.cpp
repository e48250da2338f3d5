#include "DialogLinkView.h"

#include <QCoreApplication>

#include "ArchiveHook.h"
#include "CDateTimeDlg.h"
#include "RecordList.h"

namespace terrovane::app {

void DialogLinkView::BlankDisplay() {
    panel_.BlankDisplay();
}

QWidget* DialogLinkView::IdlePicture() const {
    if (idlePicture_ == nullptr) {
        idlePicture_ = panel_.Control(1123);
    }
    return idlePicture_;
}

// The port watch asks for the picture on every tick; raising and repainting it each time would keep the
// program busy, so only a change reaches the panel.
void DialogLinkView::SetIdlePictureVisible(bool visible) {
    if (IdlePicture()->isVisibleTo(&window_) != visible) {
        panel_.SetIdlePictureVisible(visible);
    }
}

std::optional<link::WatchedLooks> DialogLinkView::Looks() const {
    return link::WatchedLooks{panel_.Blank(), IdlePicture()->isVisibleTo(&window_)};
}

void DialogLinkView::ClearAllListTexts() {
    ClearRecordListTexts(&list_);
}

void DialogLinkView::ClearListRow(std::size_t slot) {
    ClearRecordListRow(&list_, static_cast<int>(slot));
}

void DialogLinkView::FillRecordList(const record::RecordTable& table) {
    FillRecordListTexts(&list_, table);
}

void DialogLinkView::OpenProgress() {
    ui::ProgressSetup setup;
    setup.caption =
        QCoreApplication::translate("Progress", link::kProgressTitle.data());  // a literal: terminated
    setup.lower = link::kProgressLower;
    setup.upper = link::kProgressUpper;
    setup.step = link::kProgressStep;
    setup.text = QCoreApplication::translate("Progress", link::kProgressMessage.data());
    // The progress window disables the main window, but its own close box would end that and let the
    // user's clicks reach the main window in the middle of the command: it takes no input either.
    const bool holding = blocker_.Holding();
    blocker_.Release();
    progress_.Open(setup);
    if (holding) {
        blocker_.Hold();
    }
}

void DialogLinkView::SetProgressPosition(int position) {
    progress_.SetPos(position);
}

void DialogLinkView::CloseProgress() {
    progress_.Close();
}

bool DialogLinkView::IsProgressOpen() const {
    return progress_.IsOpen();
}

// The list highlights the record the display shows, so the arrow keys go on from there.
void DialogLinkView::ShowSelectedAfterReadOut() {
    panel_.OnReadOutFinished();
    const int shown = static_cast<int>(state_.currentIndex);
    list_.setCurrentCell(shown, 0);
    list_.selectRow(shown);
    list_.scrollToItem(list_.item(shown, 0));
}

void DialogLinkView::ShowRecord(std::size_t slot) {
    panel_.ShowRecord(slot);
}

std::optional<link::ClockSetting> DialogLinkView::AskClock() {
    ui::CDateTimeDlg clockDialog(&window_);
    if (clockDialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QDate date = clockDialog.DateValue();
    const QTime time = clockDialog.TimeValue();
    return link::ClockSetting{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

void DialogLinkView::SetInputBlocked(bool blocked) {
    if (blocked) {
        blocker_.Hold();
    } else {
        blocker_.Release();
    }
}

void DialogLinkView::ImageAccepted(const record::ReadOutBuffer& image, const std::string& port) {
    archive_.Accept({&image, port, {}, std::nullopt});
}

std::string DialogLinkView::UnkeptResultsWarning() const {
    if (archive_.ShownReadOutArchived()) {
        return {};
    }
    return kUnkeptResultsWarning;
}

}  // namespace terrovane::app

#include "DialogLinkView.h"

#include "ArchiveHook.h"
#include "CDateTimeDlg.h"
#include "RecordList.h"

namespace terrovane::app {

void DialogLinkView::BlankDisplay() {
    panel_.BlankDisplay();
}

void DialogLinkView::SetIdlePictureVisible(bool visible) {
    idlePicture_.SetVisible(visible);
}

std::optional<link::WatchedLooks> DialogLinkView::Looks() const {
    return link::WatchedLooks{panel_.Blank(), idlePicture_.Shown()};
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
    progress_.Open();
}

void DialogLinkView::SetProgressPosition(int position) {
    progress_.SetPosition(position);
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
    progress_.SetInputBlocked(blocked);
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

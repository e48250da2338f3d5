#include "DialogLinkView.h"

#include <QCoreApplication>

#include "ArchiveHook.h"
#include "CDateTimeDlg.h"
#include "CTesterDlg.h"
#include "DisplayPanel.h"
#include "RecordList.h"

namespace terrovane::app {

void DialogLinkView::BlankDisplay() {
    dialog_.Panel().BlankDisplay();
}

QWidget* DialogLinkView::IdlePicture() const {
    if (idlePicture_ == nullptr) {
        idlePicture_ = dialog_.IdlePicture();
    }
    return idlePicture_;
}

// The port watch asks for the picture on every tick; raising and repainting it each time would keep the
// program busy, so only a change reaches the panel.
void DialogLinkView::SetIdlePictureVisible(bool visible) {
    if (IdlePicture()->isVisibleTo(&dialog_) != visible) {
        dialog_.Panel().SetIdlePictureVisible(visible);
    }
}

std::optional<link::WatchedLooks> DialogLinkView::Looks() const {
    return link::WatchedLooks{dialog_.Panel().Blank(), IdlePicture()->isVisibleTo(&dialog_)};
}

void DialogLinkView::ClearAllListTexts() {
    ClearRecordListTexts(dialog_.RecordList());
}

void DialogLinkView::ClearListRow(std::size_t slot) {
    ClearRecordListRow(dialog_.RecordList(), static_cast<int>(slot));
}

void DialogLinkView::FillRecordList(const record::RecordTable& table) {
    FillRecordListTexts(dialog_.RecordList(), table);
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
    dialog_.Progress().Open(setup);
    if (holding) {
        blocker_.Hold();
    }
}

void DialogLinkView::SetProgressPosition(int position) {
    dialog_.Progress().SetPos(position);
}

void DialogLinkView::CloseProgress() {
    dialog_.Progress().Close();
}

bool DialogLinkView::IsProgressOpen() const {
    return dialog_.Progress().IsOpen();
}

// The list highlights the record the display shows, so the arrow keys go on from there.
void DialogLinkView::ShowSelectedAfterReadOut() {
    dialog_.Panel().OnReadOutFinished();
    QTableWidget* list = dialog_.RecordList();
    const int shown = static_cast<int>(dialog_.State().currentIndex);
    list->setCurrentCell(shown, 0);
    list->selectRow(shown);
    list->scrollToItem(list->item(shown, 0));
}

void DialogLinkView::ShowRecord(std::size_t slot) {
    dialog_.Panel().ShowRecord(slot);
}

std::optional<link::ClockSetting> DialogLinkView::AskClock() {
    ui::CDateTimeDlg clockDialog(&dialog_);
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
    dialog_.Archive().Accept({&image, port, {}, std::nullopt});
}

std::string DialogLinkView::UnkeptResultsWarning() const {
    if (dialog_.Archive().ShownReadOutArchived()) {
        return {};
    }
    return kUnkeptResultsWarning;
}

}  // namespace terrovane::app

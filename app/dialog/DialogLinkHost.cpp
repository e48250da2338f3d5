#include "DialogLinkHost.h"

#include "CDateTimeDlg.h"
#include "CTesterDlg.h"
#include "DisplayPanel.h"
#include "RecordList.h"

namespace terrovane::app {

void DialogLinkHost::BlankDisplay() {
    dialog_.Panel().BlankDisplay();
}

// The port watch asks for the picture on every 5 ms tick; raising and repainting it each time would keep
// an idle program busy, so only a change reaches the panel.
void DialogLinkHost::SetIdlePictureVisible(bool visible) {
    if (dialog_.IdlePicture()->isVisibleTo(&dialog_) != visible) {
        dialog_.Panel().SetIdlePictureVisible(visible);
    }
}

void DialogLinkHost::ClearAllListTexts() {
    ClearRecordListTexts(dialog_.RecordList());
}

void DialogLinkHost::ClearListRow(std::size_t slot) {
    ClearRecordListRow(dialog_.RecordList(), static_cast<int>(slot));
}

void DialogLinkHost::FillRecordList() {
    FillRecordListTexts(dialog_.RecordList(), dialog_.recordTable);
}

void DialogLinkHost::OpenProgress() {
    auto progress = std::make_unique<ui::ProgressWindow>(&dialog_, QString::fromUtf8(link::kProgressTitle));
    progress->GoModal();
    progress->SetRange(link::kProgressLower, link::kProgressUpper, link::kProgressStep);
    progress->SetText(QString::fromUtf8(link::kProgressMessage));
    // Lets the window paint before the request loop, which processes no events of its own.
    progress->PeekAndPump(true);
    progress->Show();
    dialog_.activeProgress = std::move(progress);
}

void DialogLinkHost::SetProgressPosition(int position) {
    if (dialog_.activeProgress) {
        dialog_.activeProgress->SetPos(position);
    }
}

void DialogLinkHost::CloseProgress() {
    if (dialog_.activeProgress) {
        dialog_.activeProgress->Destroy();
        dialog_.activeProgress.reset();
    }
}

bool DialogLinkHost::IsProgressOpen() const {
    return dialog_.activeProgress != nullptr;
}

void DialogLinkHost::ShowSelectedAfterReadOut() {
    dialog_.Panel().OnReadOutFinished();
}

std::optional<link::ClockSetting> DialogLinkHost::AskClock() {
    ui::CDateTimeDlg clockDialog(&dialog_);
    if (clockDialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QDate date = clockDialog.DateValue();
    const QTime time = clockDialog.TimeValue();
    return link::ClockSetting{date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

int DialogLinkHost::CurrentIndex() const {
    return dialog_.currentIndex;
}

}  // namespace terrovane::app

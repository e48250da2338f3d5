#include "DialogLinkHost.h"

#include "ArchiveHook.h"
#include "CDateTimeDlg.h"
#include "CTesterDlg.h"
#include "DisplayPanel.h"
#include "Pause.h"
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

void DialogLinkHost::FillRecordList(const record::RecordTable& table) {
    FillRecordListTexts(dialog_.RecordList(), table);
}

void DialogLinkHost::OpenProgress() {
    ui::ProgressSetup setup;
    setup.caption = QString::fromUtf8(link::kProgressTitle);
    setup.lower = link::kProgressLower;
    setup.upper = link::kProgressUpper;
    setup.step = link::kProgressStep;
    setup.text = QString::fromUtf8(link::kProgressMessage);
    dialog_.Progress().Open(setup);
    // The read-out's pauses throw away the user's input to the program, but not to this window.
    ui::ProgressWindow* window = dialog_.Progress().Window();
    platform::SetPauseInputExemption(window != nullptr ? window->Window() : nullptr);
}

void DialogLinkHost::SetProgressPosition(int position) {
    dialog_.Progress().SetPos(position);
}

void DialogLinkHost::CloseProgress() {
    platform::SetPauseInputExemption(nullptr);
    dialog_.Progress().Close();
}

bool DialogLinkHost::IsProgressOpen() const {
    return dialog_.Progress().IsOpen();
}

void DialogLinkHost::ShowSelectedAfterReadOut() {
    dialog_.Panel().OnReadOutFinished();
}

void DialogLinkHost::ShowRecord(std::size_t slot) {
    dialog_.Panel().ShowRecord(slot);
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

std::string DialogLinkHost::UnkeptResultsWarning() const {
    if (dialog_.Archive().ShownReadOutArchived()) {
        return {};
    }
    return kUnkeptResultsWarning;
}

}  // namespace terrovane::app

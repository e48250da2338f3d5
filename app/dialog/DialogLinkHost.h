#pragma once

#include "LinkHost.h"

namespace terrovane::app {

class CTesterDlg;

// The main dialog as the instrument link sees it: its display panel, record list and progress slot.
class DialogLinkHost : public link::LinkHost {
  public:
    explicit DialogLinkHost(CTesterDlg& dialog) : dialog_(dialog) {}

    void BlankDisplay() override;
    void SetIdlePictureVisible(bool visible) override;
    void ClearAllListTexts() override;
    void ClearListRow(std::size_t slot) override;
    void FillRecordList(const record::RecordTable& table) override;
    void OpenProgress() override;
    void SetProgressPosition(int position) override;
    void CloseProgress() override;
    bool IsProgressOpen() const override;
    void ShowSelectedAfterReadOut() override;
    void ShowRecord(std::size_t slot) override;
    std::optional<link::ClockSetting> AskClock() override;

  private:
    CTesterDlg& dialog_;
};

}  // namespace terrovane::app

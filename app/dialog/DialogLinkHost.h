#pragma once

#include "LinkHost.h"

namespace terrovane::app {

class CTesterDlg;

// The erase question's own line while the results on screen are not in the archive.
inline constexpr const char* kUnkeptResultsWarning =
    "The results shown are not in the archive (archiving is off, or it failed): what is erased now is kept "
    "nowhere else.";

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
    std::string UnkeptResultsWarning() const override;

  private:
    CTesterDlg& dialog_;
};

}  // namespace terrovane::app

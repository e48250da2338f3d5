#pragma once

#include <QTableWidget>
#include <QWidget>

#include "CommandProgress.h"
#include "DisplayPanel.h"
#include "IdlePictureLook.h"
#include "LinkView.h"
#include "ProgressSlot.h"
#include "ReadOutState.h"

namespace terrovane::app {

class ArchiveHook;

// The erase question's own line while the results on screen are not in the archive.
inline constexpr const char* kUnkeptResultsWarning =
    "The results shown are not in the archive (archiving is off, or it failed): what is erased now is kept "
    "nowhere else.";

// The main dialog as the instrument commands change it: its display panel, record list and progress slot.
// `window` owns the clock dialog and is what the idle picture is shown in.
class DialogLinkView : public link::LinkView {
  public:
    DialogLinkView(QWidget& window, panel::DisplayPanel& panel, QTableWidget& list,
                   ui::ProgressSlot& progress, const record::ReadOutState& state, ArchiveHook& archive)
        : window_(window),
          panel_(panel),
          list_(list),
          state_(state),
          archive_(archive),
          idlePicture_(window, panel),
          progress_(progress) {}

    void BlankDisplay() override;
    void SetIdlePictureVisible(bool visible) override;
    std::optional<link::WatchedLooks> Looks() const override;
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
    void SetInputBlocked(bool blocked) override;
    void ImageAccepted(const record::ReadOutBuffer& image, const std::string& port) override;
    std::string UnkeptResultsWarning() const override;

  private:
    QWidget& window_;
    panel::DisplayPanel& panel_;
    QTableWidget& list_;
    const record::ReadOutState& state_;
    ArchiveHook& archive_;
    IdlePictureLook idlePicture_;
    CommandProgress progress_;
};

}  // namespace terrovane::app

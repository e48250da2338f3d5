#pragma once

#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Protocol.h"
#include "RecordTable.h"

namespace terrovane::link {

// The read-out's progress window: caption stem, message, range and step.
inline constexpr std::string_view kProgressTitle = QT_TRANSLATE_NOOP("Progress", "Process");
inline constexpr std::string_view kProgressMessage =
    QT_TRANSLATE_NOOP("Progress", "\n Read data now，please do NOT terminate...");
inline constexpr int kProgressLower = 0;
inline constexpr int kProgressUpper = 100;
inline constexpr int kProgressStep = 1;

// What the port watch sets on the window, as the window shows it now.
struct WatchedLooks {
    bool displayBlank = false;
    bool idlePictureVisible = false;
};

// What the instrument commands change in the window that runs them. The main dialog implements it with
// its display panel, record list and progress window; the command line with a terminal.
class LinkView {
  public:
    virtual ~LinkView() = default;

    // Hides every segment, digit and symbol of the simulated display.
    virtual void BlankDisplay() = 0;
    // The picture shown over the display while the instrument is attached and no read-out has run.
    virtual void SetIdlePictureVisible(bool visible) = 0;
    // How the display looks now, so that a watch with nothing to change can rest; nullopt (the default)
    // when the view cannot tell, and the watch keeps looking.
    virtual std::optional<WatchedLooks> Looks() const { return std::nullopt; }
    // Empties the date and time columns of all 100 list rows, or of one row.
    virtual void ClearAllListTexts() = 0;
    virtual void ClearListRow(std::size_t slot) = 0;
    // Writes date and time of every occupied slot of `table` into the list.
    virtual void FillRecordList(const record::RecordTable& table) = 0;

    // The read-out's progress window: opened with kProgressTitle, kProgressMessage and the range above,
    // advanced per request, closed at the end.
    virtual void OpenProgress() = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void CloseProgress() = 0;
    virtual bool IsProgressOpen() const = 0;

    // After an accepted read-out: forgets any list click and shows the first occupied record.
    virtual void ShowSelectedAfterReadOut() = 0;
    // Shows the record of `slot` again from its first page, on a display that a read-out had blanked.
    virtual void ShowRecord(std::size_t slot) = 0;
    // Asks the user for the instrument's new date and time; nothing on Cancel.
    virtual std::optional<ClockSetting> AskClock() = 0;
    // While a command waits on the instrument the window takes no input, and none is kept for later.
    virtual void SetInputBlocked(bool /*blocked*/) {}
    // An image was accepted from the instrument read through `port`: called before any message about it
    // and before the list and the display show it, so that a host keeping read-outs has kept it first.
    virtual void ImageAccepted(const record::ReadOutBuffer& /*image*/, const std::string& /*port*/) {}
    // A line for the erase question when the results shown are kept nowhere else (not archived); empty
    // when they are, or when the host keeps no archive.
    virtual std::string UnkeptResultsWarning() const { return {}; }
};

// A view with no window: the record list, display and progress are nowhere to be seen.
class SilentView : public LinkView {
  public:
    void BlankDisplay() override {}
    void SetIdlePictureVisible(bool) override {}
    void ClearAllListTexts() override {}
    void ClearListRow(std::size_t) override {}
    void FillRecordList(const record::RecordTable&) override {}
    void OpenProgress() override { progressOpen_ = true; }
    void SetProgressPosition(int) override {}
    void CloseProgress() override { progressOpen_ = false; }
    bool IsProgressOpen() const override { return progressOpen_; }
    void ShowSelectedAfterReadOut() override {}
    void ShowRecord(std::size_t) override {}
    std::optional<ClockSetting> AskClock() override { return std::nullopt; }

  private:
    bool progressOpen_ = false;
};

}  // namespace terrovane::link

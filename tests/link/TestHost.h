#pragma once

#include <array>
#include <string>
#include <vector>

#include "LinkHost.h"
#include "RecordTable.h"

namespace terrovane::testing {

// A window as the link sees it: the record list's date/time texts, the idle picture, the progress
// window, the selected slot and the clock the user would pick.
class TestHost : public link::LinkHost {
  public:
    explicit TestHost(const record::RecordTable& table) : table_(table) {}

    void BlankDisplay() override { ++blankCount; }
    void SetIdlePictureVisible(bool visible) override { idleVisible = visible; }
    void ClearAllListTexts() override { rows.fill({}); }
    void ClearListRow(std::size_t slot) override { rows.at(slot).clear(); }
    void FillRecordList() override;
    void OpenProgress() override;
    void SetProgressPosition(int position) override { positions.push_back(position); }
    void CloseProgress() override { progressOpen = false; }
    bool IsProgressOpen() const override { return progressOpen; }
    void ShowSelectedAfterReadOut() override { ++shownAfterReadOut; }
    std::optional<link::ClockSetting> AskClock() override { return clock; }
    int CurrentIndex() const override { return currentIndex; }

    std::array<std::string, record::kSlotCount> rows;  // "date time", empty when cleared
    bool idleVisible = false;
    bool progressOpen = false;
    int progressOpenings = 0;
    std::vector<int> positions;
    int blankCount = 0;
    int shownAfterReadOut = 0;
    int currentIndex = 0;
    std::optional<link::ClockSetting> clock;

  private:
    const record::RecordTable& table_;
};

}  // namespace terrovane::testing

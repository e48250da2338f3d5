#pragma once

#include <array>
#include <string>
#include <vector>

#include "LinkView.h"
#include "RecordTable.h"

namespace terrovane::testing {

// A window as the link sees it: the record list's date/time texts, the idle picture, the progress
// window and the clock the user would pick.
class TestHost : public link::LinkView {
  public:
    void BlankDisplay() override {
        ++blankCount;
        displayBlank = true;
    }
    void SetIdlePictureVisible(bool visible) override { idleVisible = visible; }
    std::optional<link::WatchedLooks> Looks() const override {
        return link::WatchedLooks{displayBlank, idleVisible};
    }
    void ClearAllListTexts() override { rows.fill({}); }
    void ClearListRow(std::size_t slot) override { rows.at(slot).clear(); }
    void FillRecordList(const record::RecordTable& table) override;
    void OpenProgress() override;
    void SetProgressPosition(int position) override { positions.push_back(position); }
    void CloseProgress() override { progressOpen = false; }
    bool IsProgressOpen() const override { return progressOpen; }
    void ShowSelectedAfterReadOut() override { ++shownAfterReadOut; }
    void ShowRecord(std::size_t slot) override { shownRecords.push_back(static_cast<int>(slot)); }
    std::optional<link::ClockSetting> AskClock() override { return clock; }
    void SetInputBlocked(bool blocked) override { inputBlocked = blocked; }

    std::array<std::string, record::kSlotCount> rows;  // "date time", empty when cleared
    bool idleVisible = false;
    bool progressOpen = false;
    int progressOpenings = 0;
    std::vector<int> positions;
    int blankCount = 0;
    bool displayBlank = false;  // false once anything is drawn
    int shownAfterReadOut = 0;
    std::vector<int> shownRecords;  // slots shown again by ShowRecord
    std::optional<link::ClockSetting> clock;
    bool inputBlocked = false;
};

}  // namespace terrovane::testing

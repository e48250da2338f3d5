// Read-out, display and port watch of the main dialog against the simulated instrument.
#include <QTest>

#include <gmock/gmock.h>

#include <map>
#include <vector>

#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "EventWait.h"
#include "LinkMessages.h"
#include "PanelControls.h"
#include "PanelPage.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;

class ReadOutTest : public DialogFixture {
  protected:
    void ExpectClosedUp() {
        EXPECT_FALSE(dialog_->Session().Comm().PortOpen());
        EXPECT_FALSE(dialog_->Progress().IsOpen());
        EXPECT_TRUE(dialog_->isEnabled());
        EXPECT_FALSE(dialog_->IdlePicture()->isVisibleTo(dialog_.get()));
    }
    // One occupied slot of each of `count` different modes, in slot order.
    static std::vector<int> SlotsOfDifferentModes(const record::RecordTable& table, std::size_t count) {
        std::map<std::uint32_t, int> firstOfMode;
        for (int slot = 99; slot >= 0; --slot) {
            if (const auto* record = table.At(static_cast<std::size_t>(slot))) {
                firstOfMode[record->mode] = slot;
            }
        }
        std::vector<int> picked;
        for (const auto& [mode, slot] : firstOfMode) {
            if (picked.size() < count) {
                picked.push_back(slot);
            }
        }
        return picked;
    }
};

// At the instrument's own pacing: ten seconds of requests, the reply judged after the last one's pause.
TEST_F(ReadOutTest, ReadFillsListAndPanelThenClicksAndShowStepThroughRecords) {
    RealPacing();
    PlugIn();
    ASSERT_TRUE(ReadOut());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kReadOk));
    ExpectClosedUp();

    record::RecordTable expected;
    record::ParseRecords(sim::DemoImage(), expected);
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto texts = format::RecordListTexts(expected, slot);
        const int row = static_cast<int>(slot);
        EXPECT_EQ(dialog_->RecordList()->item(row, 1)->text().toStdString(), texts ? texts->date : "")
            << slot;
        EXPECT_EQ(dialog_->RecordList()->item(row, 2)->text().toStdString(), texts ? texts->time : "")
            << slot;
    }
    const std::size_t first = *expected.FirstOccupied();
    EXPECT_EQ(dialog_->State().currentIndex, first);
    EXPECT_EQ(SlotDigits(), format::SlotText(first));
    EXPECT_TRUE(VisiblePanelControls().count(panel::kReadLabel));

    // Rows of four different modes, by left click; the right click takes the same road.
    const std::vector<int> rows = SlotsOfDifferentModes(expected, 4);
    ASSERT_EQ(rows.size(), 4u);
    for (int row : rows) {
        ClickListRow(row);
        EXPECT_EQ(dialog_->State().currentIndex, row);
        EXPECT_EQ(SlotDigits(), format::SlotText(static_cast<std::size_t>(row)));
    }
    dialog_->RecordList()->selectRow(rows[0]);
    emit dialog_->RecordList()->customContextMenuRequested({});
    EXPECT_EQ(dialog_->State().currentIndex, rows[0]);

    // Show runs through every page of the record's mode and starts over.
    const auto* record = expected.At(static_cast<std::size_t>(rows[0]));
    const std::uint32_t pages = panel::PageLimit(record->mode, true);
    std::vector<std::set<int>> shown;
    for (std::uint32_t press = 0; press <= pages; ++press) {
        dialog_->OnCommand(res::kCmdShow);
        shown.push_back(VisiblePanelControls());
    }
    EXPECT_EQ(shown.front(), shown.back());
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_TRUE(dialog_->State().requestsSent);

    // An empty row says so and leaves the display blank.
    recorder_.Clear();
    int emptyRow = 0;
    while (expected.IsOccupied(static_cast<std::size_t>(emptyRow))) {
        ++emptyRow;
    }
    ClickListRow(emptyRow);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kNoData));
    EXPECT_TRUE(VisiblePanelControls().empty());
}

TEST_F(ReadOutTest, ShortAnswerKeepsThePreviousRecords) {
    record::ReadOutBuffer earlier = sim::DemoImage();
    AsIfRead(earlier);
    const int earlierCount = dialog_->State().table.OccupiedCount();
    PlugIn({"--fault", "short"});
    EXPECT_FALSE(ReadOut());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kReadAgainQuestion, link::kReadError, link::kReadError));
    EXPECT_EQ(dialog_->State().table.OccupiedCount(), earlierCount);
    EXPECT_EQ(dialog_->State().buffer, earlier);
    ExpectClosedUp();
}

TEST_F(ReadOutTest, UnpluggingHidesTheIdlePictureAndClosesThePort) {
    PlugIn();
    QWidget* idle = dialog_->IdlePicture();
    EXPECT_TRUE(RunEventsUntil([&] { return idle->isVisibleTo(dialog_.get()); }, 1000));
    ASSERT_TRUE(dialog_->Session().WatchPort().present);
    dialog_->Session().Comm().SetCommPort(static_cast<std::int16_t>(dialog_->Session().Port().portNumber));
    dialog_->Session().Comm().SetPortOpen(true);
    ASSERT_TRUE(dialog_->Session().Comm().PortOpen());
    sim_->Stop();
    EXPECT_TRUE(RunEventsUntil(
        [&] { return !dialog_->Session().Comm().PortOpen() && !idle->isVisibleTo(dialog_.get()); }, 500));
    EXPECT_TRUE(recorder_.Texts().empty());
}

TEST_F(ReadOutTest, DisplayCommandsWithoutDataAskForARead) {
    dialog_->OnCommand(res::kCmdEraseCurrent);
    ClickListRow(3);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kNoDataReadFirst, link::kNoDataReadFirst));
}

}  // namespace
}  // namespace terrovane::testing

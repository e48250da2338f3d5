// The main window's record list by keyboard: after a read-out the highlighted row is the record on the
// display; the arrow keys step through the slots, an empty one blanks the display and says "No data" on
// it without a message box (a click still raises the box); the row with focus is framed.
#include <QTest>

#include <gmock/gmock.h>

#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "EventWait.h"
#include "LinkMessages.h"
#include "PostedInput.h"
#include "RecordList.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;

class ListKeyboardTest : public DialogFixture {
  protected:
    ListKeyboardTest() { record::ParseRecords(sim::DemoImage(), demo_); }

    // The first occupied slot that follows an empty one.
    std::size_t OccupiedAfterEmpty() const {
        std::size_t slot = 1;
        while (!(demo_.IsOccupied(slot) && !demo_.IsOccupied(slot - 1))) {
            ++slot;
        }
        return slot;
    }
    bool WaitForCurrent(std::size_t slot) {
        return RunEventsUntil([&] { return dialog_->State().currentIndex == slot; });
    }

    record::RecordTable demo_;
};

TEST_F(ListKeyboardTest, ArrowKeysSayAnEmptySlotOnTheDisplayAndAClickInABox) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    const std::size_t first = *demo_.FirstOccupied();
    EXPECT_EQ(dialog_->State().currentIndex, first);
    EXPECT_EQ(app::FirstSelectedRow(dialog_->RecordList()), static_cast<int>(first));
    EXPECT_EQ(dialog_->RecordList()->currentRow(), static_cast<int>(first));

    // From an occupied slot, one step up lands on an empty one.
    const std::size_t occupied = OccupiedAfterEmpty();
    ClickListRow(static_cast<int>(occupied));
    ASSERT_TRUE(WaitForCurrent(occupied));
    ASSERT_FALSE(VisiblePanelControls().empty());
    recorder_.Clear();
    dialog_->RecordList()->setFocus();
    PostKey(dialog_.get(), Qt::Key_Up);
    ASSERT_TRUE(WaitForCurrent(occupied - 1));
    EXPECT_TRUE(recorder_.Texts().empty());
    EXPECT_TRUE(VisiblePanelControls().empty());
    EXPECT_EQ(dialog_->Panel().Notice().toStdString(), link::kNoData);

    PostKey(dialog_.get(), Qt::Key_Down);
    ASSERT_TRUE(WaitForCurrent(occupied));
    EXPECT_TRUE(dialog_->Panel().Notice().isEmpty());
    EXPECT_EQ(SlotDigits(), format::SlotText(occupied));
    EXPECT_TRUE(recorder_.Texts().empty());

    ClickListRow(static_cast<int>(occupied - 1));
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kNoData));
    EXPECT_TRUE(VisiblePanelControls().empty());
}

TEST_F(ListKeyboardTest, TheRowWithFocusIsFramedWhereTheSelectionIsNot) {
    QTableWidget* list = dialog_->RecordList();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    list->setFocus();
    list->clearSelection();
    list->selectionModel()->setCurrentIndex(list->model()->index(3, 0), QItemSelectionModel::NoUpdate);
    const QImage shot = list->viewport()->grab().toImage();
    const QColor frame = list->palette().color(QPalette::Active, QPalette::Highlight);
    const auto framed = [&](int row) {
        const int y = list->visualItemRect(list->item(row, 0)).top();
        int count = 0;
        for (int x = 0; x < shot.width(); ++x) {
            count += QColor(shot.pixel(x, y)) == frame ? 1 : 0;
        }
        return count > shot.width() / 4;
    };
    EXPECT_TRUE(framed(3));
    EXPECT_FALSE(framed(5));
}

}  // namespace
}  // namespace terrovane::testing

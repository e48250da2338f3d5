// The user's clicks, keys and close requests made while a command pauses: dropped, never replayed.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gmock/gmock.h>

#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "InstrumentLink.h"
#include "LinkMessages.h"
#include "Pause.h"
#include "PauseInput.h"
#include "PostedInput.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;

QWidget* ToolButton(const QToolBar* bar, int id) {
    for (QAction* action : bar->actions()) {
        if (action->data().toInt() == id) {
            return bar->widgetForAction(action);
        }
    }
    return nullptr;
}

class InputDuringCommandTest : public DialogFixture {};

TEST_F(InputDuringCommandTest, ClicksKeysAndTheCloseBoxDuringAReadOutHaveNoEffect) {
    record::ReadOutBuffer earlier = sim::DemoImage();
    AsIfReadAndShown(earlier, 0);
    bool saveAsked = false;
    dialog_->saveFileChooser = [&saveAsked] {
        saveAsked = true;
        return QString();
    };
    PlugIn();
    bool posted = false;
    QTimer::singleShot(1500, dialog_.get(), [this, &posted] {
        EXPECT_TRUE(platform::IsPaused());
        QTableWidget* list = dialog_->RecordList();
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdShow));
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdSave));
        PostClick(list->viewport(), list->visualItemRect(list->item(2, 1)).center());  // an empty slot
        PostWheel(list->viewport());
        PostKey(dialog_.get(), Qt::Key_Escape);
        PostCloseRequest(dialog_.get());
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdExit));
        posted = true;
    });

    ASSERT_TRUE(ReadOut());
    QTest::qWait(300);  // anything held back would have come by now

    EXPECT_TRUE(posted);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), 0);  // neither accepted (Exit) nor rejected (Escape, close box)
    EXPECT_FALSE(saveAsked);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kReadAgainQuestion, link::kReadOk));  // no "No data"
    record::RecordTable expected;
    record::ParseRecords(sim::DemoImage(), expected);
    EXPECT_EQ(ListTexts(), ListTextsOf(expected));
    EXPECT_EQ(dialog_->State().currentIndex, *expected.FirstOccupied());
    EXPECT_EQ(SlotDigits(), format::SlotText(*expected.FirstOccupied()));
    EXPECT_FALSE(dialog_->Progress().IsOpen());
    EXPECT_TRUE(dialog_->isEnabled());

    // Once the command is over, input counts again.
    PostClick(ToolButton(dialog_->ToolBar(), res::kCmdSave));
    EXPECT_TRUE(QTest::qWaitFor([&saveAsked] { return saveAsked; }, 1000));
}

// Two plain windows: input to the exempt one still counts during a pause, input to the other never does.
TEST(PauseInputTest, OnlyTheExemptWindowGetsInputDuringAPause) {
    QWidget exempt;
    QWidget other;
    auto* exemptButton = new QPushButton(QStringLiteral("Cancel"), &exempt);
    auto* otherButton = new QPushButton(QStringLiteral("Exit"), &other);
    int exemptClicks = 0;
    int otherClicks = 0;
    QObject::connect(exemptButton, &QPushButton::clicked, [&exemptClicks] { ++exemptClicks; });
    QObject::connect(otherButton, &QPushButton::clicked, [&otherClicks] { ++otherClicks; });
    exempt.show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

    platform::SetPauseInputExemption(&exempt);
    QTimer::singleShot(30, [&] {
        PostClick(exemptButton);
        PostClick(otherButton);
    });
    platform::Pause(200);
    EXPECT_EQ(exemptClicks, 1);
    QTest::qWait(100);
    EXPECT_EQ(otherClicks, 0);

    // The exemption ends with its window; without a pause, both count.
    platform::SetPauseInputExemption(nullptr);
    PostClick(otherButton);
    EXPECT_TRUE(QTest::qWaitFor([&otherClicks] { return otherClicks == 1; }, 1000));
}

TEST(PauseInputTest, DropsEveryKindOfUserInputButNothingElse) {
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::Wheel,
          QEvent::KeyPress, QEvent::KeyRelease, QEvent::Shortcut, QEvent::ShortcutOverride,
          QEvent::ContextMenu, QEvent::TouchBegin, QEvent::Drop, QEvent::Close}) {
        EXPECT_TRUE(platform::IsUserInput(type)) << type;
    }
    for (const QEvent::Type type : {QEvent::Paint, QEvent::Timer, QEvent::Expose, QEvent::Resize,
                                    QEvent::DeferredDelete, QEvent::MetaCall, QEvent::UpdateRequest}) {
        EXPECT_FALSE(platform::IsUserInput(type)) << type;
    }

    QWidget progress;
    auto* cancel = new QPushButton(&progress);
    QWidget dialog;
    auto* exit = new QPushButton(&dialog);
    QAction shortcut(&dialog);
    EXPECT_TRUE(platform::DiscardDuringPause(QEvent::MouseButtonRelease, exit, &progress));
    EXPECT_TRUE(platform::DiscardDuringPause(QEvent::Shortcut, &shortcut, &progress));
    EXPECT_TRUE(platform::DiscardDuringPause(QEvent::Close, &dialog, nullptr));
    EXPECT_FALSE(platform::DiscardDuringPause(QEvent::MouseButtonRelease, cancel, &progress));
    EXPECT_FALSE(platform::DiscardDuringPause(QEvent::KeyPress, &progress, &progress));
    EXPECT_FALSE(platform::DiscardDuringPause(QEvent::Paint, exit, &progress));
    // The native window passes its input on to the widget under it, which is judged then.
    progress.show();
    ASSERT_NE(progress.windowHandle(), nullptr);
    EXPECT_FALSE(platform::DiscardDuringPause(QEvent::MouseButtonPress, progress.windowHandle(), nullptr));
}

}  // namespace
}  // namespace terrovane::testing

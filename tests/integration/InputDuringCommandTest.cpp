// The user's clicks, keys and close requests made while a command waits on the instrument: dropped,
// never replayed.
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
#include "InputBlocker.h"
#include "InstrumentSession.h"
#include "LinkMessages.h"
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
    // Once in the handshake's wait (no progress window yet), once among the requests (under it).
    int posted = 0;
    auto postEverything = [this, &posted] {
        EXPECT_TRUE(dialog_->Session().Busy());
        QTableWidget* list = dialog_->RecordList();
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdShow));
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdSave));
        PostClick(list->viewport(), list->visualItemRect(list->item(2, 1)).center());  // an empty slot
        PostWheel(list->viewport());
        PostKey(dialog_.get(), Qt::Key_Escape);
        PostKey(dialog_.get(), Qt::Key_S, Qt::ControlModifier);  // Save's shortcut
        PostKey(dialog_.get(), Qt::Key_Q, Qt::ControlModifier);  // Exit's
        PostCloseRequest(dialog_.get());
        PostClick(ToolButton(dialog_->ToolBar(), res::kCmdExit));
        ++posted;
    };
    QObject::connect(&dialog_->Session(), &link::InstrumentSession::BusyChanged, dialog_.get(),
                     [&](bool busy) {
                         if (busy) {
                             postEverything();
                         }
                     });
    QObject::connect(&dialog_->Session(), &link::InstrumentSession::RequestSent, dialog_.get(),
                     [&](int count) {
                         if (count == 50) {
                             postEverything();
                         }
                     });

    ASSERT_TRUE(ReadOut());
    QTest::qWait(300);  // anything held back would have come by now

    EXPECT_EQ(posted, 2);
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

    // Once the command is over, input counts again, the shortcuts too.
    dialog_->activateWindow();
    PostKey(dialog_.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&saveAsked] { return saveAsked; }, 1000));
}

// While held, the blocker lets no click through to the program's windows and keeps none for later; it
// changes nothing that can be seen.
TEST(InputBlockerTest, DropsInputWhileHeldAndKeepsNothing) {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Exit"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button->setFocus();
    const bool wasActive = window.isActiveWindow();
    const QImage before = window.grab().toImage();

    app::InputBlocker blocker;
    blocker.Hold();
    EXPECT_TRUE(blocker.Holding());
    PostClick(button);
    PostCloseRequest(&window);
    PostKey(&window, Qt::Key_Space);
    QTest::qWait(50);
    EXPECT_EQ(window.isActiveWindow(), wasActive);
    EXPECT_EQ(window.grab().toImage(), before);
    blocker.Release();
    QTest::qWait(50);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(window.isVisible());

    PostClick(button);
    EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks == 1; }, 1000));
}

}  // namespace
}  // namespace terrovane::testing

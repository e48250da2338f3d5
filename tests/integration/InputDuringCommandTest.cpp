// The user's clicks, keys and close requests made while a command waits on the instrument: dropped,
// never replayed.
#include <qpa/qwindowsysteminterface.h>
#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gmock/gmock.h>

#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "EventWait.h"
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

// Input reaching the main window in the handshake's wait (no progress window yet) and among the requests
// (under the progress window), and the progress window's own close box, Escape and clicks: none acted on,
// none kept for later.
TEST_F(InputDuringCommandTest, ClicksKeysAndTheCloseBoxDuringAReadOutHaveNoEffect) {
    // The input posted as the command starts must meet the handshake's wait, not the progress window:
    // the wait runs its full time, as the instrument's does.
    link::SessionPacing pacing = dialog_->Session().Pacing();
    pacing.endWaitsOnArrival = false;
    dialog_->Session().SetPacing(pacing);
    record::ReadOutBuffer earlier = sim::DemoImage();
    AsIfReadAndShown(earlier, 0);
    int saveAsked = 0;
    dialog_->Parts().Workbook().fileChooser = [&saveAsked] {
        ++saveAsked;
        return QString();
    };
    PlugIn();
    int posted = 0;
    auto postEverything = [this, &posted] {
        EXPECT_TRUE(dialog_->Session().Busy());
        QTableWidget* list = dialog_->RecordList();
        PostClick(ToolButton(dialog_->Controls().toolBar, res::kCmdShow));
        PostClick(ToolButton(dialog_->Controls().toolBar, res::kCmdSave));
        PostClick(list->viewport(), list->visualItemRect(list->item(2, 1)).center());  // an empty slot
        PostWheel(list->viewport());
        PostKey(dialog_.get(), Qt::Key_Escape);
        PostKey(dialog_.get(), Qt::Key_S, Qt::ControlModifier);  // Save's shortcut
        PostKey(dialog_.get(), Qt::Key_Q, Qt::ControlModifier);  // Exit's
        PostCloseRequest(dialog_.get());
        PostClick(ToolButton(dialog_->Controls().toolBar, res::kCmdExit));
        ++posted;
    };
    auto postToProgressWindow = [this] {
        ASSERT_TRUE(dialog_->Progress().IsOpen());
        QWidget* window = dialog_->Progress().Window()->Window();
        ASSERT_NE(window, nullptr);
        PostClick(window);
        PostKey(window, Qt::Key_Escape);
        PostCloseRequest(window);
    };
    // Twenty requests later every input posted at the fiftieth has been through the event loop.
    bool progressStayed = false;
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
                             postToProgressWindow();
                         }
                         if (count == 70) {
                             progressStayed = dialog_->Progress().IsOpen() && !dialog_->isEnabled();
                         }
                     });

    ASSERT_TRUE(ReadOut());
    // Input kept back would be handed over once the command ends, ahead of this click; the click itself
    // counts again.
    PostClick(ToolButton(dialog_->Controls().toolBar, res::kCmdSave));
    EXPECT_TRUE(RunEventsUntil([&saveAsked] { return saveAsked > 0; }, 5000));

    EXPECT_EQ(posted, 2);
    EXPECT_TRUE(progressStayed);
    EXPECT_EQ(saveAsked, 1);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), 0);  // neither accepted (Exit) nor rejected (Escape, close box)
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
    EXPECT_TRUE(RunEventsUntil([&saveAsked] { return saveAsked == 2; }, 5000));
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
    QWindowSystemInterface::flushWindowSystemEvents();  // delivered, and dropped, here
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.isActiveWindow(), wasActive);
    EXPECT_EQ(window.grab().toImage(), before);
    blocker.Release();

    // Anything kept would be handed over on release, ahead of this click.
    PostClick(button);
    EXPECT_TRUE(RunEventsUntil([&clicks] { return clicks > 0; }, 5000));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace terrovane::testing

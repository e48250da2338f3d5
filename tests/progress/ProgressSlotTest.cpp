#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include "ProgressSlot.h"

namespace terrovane::ui {
namespace {

class ProgressSlotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Each test runs in a process of its own, maybe beside another: settings of its own too.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
        QCoreApplication::setApplicationName(QStringLiteral("progress-slot-") +
                                             QString::number(QCoreApplication::applicationPid()));
        QSettings().clear();
        main_.resize(400, 300);
        main_.show();
    }
    void TearDown() override { QSettings().clear(); }

    static ProgressSetup ReadSetup() {
        ProgressSetup setup;
        setup.caption = QStringLiteral("Process");
        setup.text = QStringLiteral("reading");
        return setup;
    }

    QDialog main_;
    ProgressSlot slot_{&main_};
};

TEST_F(ProgressSlotTest, OpenShowsOneModalWindowAndCloseGivesTheOwnerBack) {
    slot_.Open(ReadSetup());
    ASSERT_TRUE(slot_.IsOpen());
    QWidget* window = slot_.Window()->Window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(main_.isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>()->text(), QStringLiteral("reading"));
    slot_.SetPos(37);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Process [37%]"));
    slot_.SetPosWithoutPercent(38);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Process "));

    window->move(21, 34);
    slot_.Close();
    EXPECT_FALSE(slot_.IsOpen());
    EXPECT_TRUE(main_.isEnabled());
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/X")).toInt(), 21);
    // Closed: positions and a second close go nowhere.
    slot_.SetPos(50);
    slot_.Close();
    EXPECT_TRUE(main_.isEnabled());
}

TEST_F(ProgressSlotTest, OpeningAgainReplacesTheEarlierWindow) {
    slot_.Open(ReadSetup());
    const QPointer<QWidget> first = slot_.Window()->Window();
    slot_.Open({});
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(slot_.IsOpen());
    EXPECT_EQ(slot_.Window()->Caption(), QStringLiteral("Progress"));
    EXPECT_EQ(main_.findChildren<QLabel*>().size(), 1);
    slot_.Close();
    EXPECT_TRUE(main_.isEnabled());
}

// A port-watch tick that finds no instrument closes the slot from inside the opening window's own pump.
TEST_F(ProgressSlotTest, CloseDuringTheOpeningPumpLeavesTheNewWindowWhole) {
    bool ranDuringPump = false;
    QTimer::singleShot(0, &main_, [&] {
        ranDuringPump = true;
        slot_.Close();
    });
    slot_.Open({});
    EXPECT_TRUE(ranDuringPump);
    ASSERT_TRUE(slot_.IsOpen());
    slot_.SetPos(10);
    EXPECT_EQ(slot_.Window()->Window()->windowTitle(), QStringLiteral("Progress [10%]"));
    EXPECT_FALSE(main_.isEnabled());
    slot_.Close();
    EXPECT_TRUE(main_.isEnabled());
}

TEST_F(ProgressSlotTest, EscapeInTheOpeningPumpCancelsTheWindowAndTheSlotStaysUsable) {
    QCoreApplication::postEvent(&main_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    slot_.Open(ReadSetup());
    ASSERT_TRUE(slot_.IsOpen());
    EXPECT_TRUE(slot_.Window()->Cancelled());
    EXPECT_EQ(slot_.Window()->Window(), nullptr);
    EXPECT_TRUE(main_.isEnabled());
    slot_.SetPos(20);
    slot_.Close();
    EXPECT_FALSE(slot_.IsOpen());
}

}  // namespace
}  // namespace terrovane::ui

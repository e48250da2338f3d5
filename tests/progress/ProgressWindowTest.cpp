#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include "ProgressWindow.h"

namespace terrovane::ui {
namespace {

class ProgressWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
        QCoreApplication::setApplicationName(QStringLiteral("progress-") +
                                             QString::number(QCoreApplication::applicationPid()));
        QSettings().clear();
        main_.resize(400, 300);
        main_.show();
    }
    void TearDown() override { QSettings().clear(); }

    static void StorePosition(int x, int y) {
        QSettings settings;
        settings.setValue(QStringLiteral("Settings/X"), x);
        settings.setValue(QStringLiteral("Settings/Y"), y);
    }

    static QPoint ScreenCentreFor(QSize size) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        return QPoint(area.x() + (area.width() - size.width()) / 2,
                      area.y() + (area.height() - size.height()) / 2);
    }

    QDialog main_;
};

TEST_F(ProgressWindowTest, CaptionShowsPercentOnlyWhenItChanges) {
    ProgressWindow progress(&main_);
    progress.SetRange(0, 100);
    EXPECT_EQ(progress.SetPos(45), 0);
    EXPECT_EQ(progress.Window()->windowTitle(), QStringLiteral("Progress [45%]"));

    progress.Window()->setWindowTitle(QStringLiteral("marker"));
    EXPECT_EQ(progress.SetPos(45), 45);
    EXPECT_EQ(progress.Window()->windowTitle(), QStringLiteral("marker"));

    progress.SetRange(50, 50);
    progress.SetPos(70);
    EXPECT_EQ(progress.Window()->windowTitle(), QStringLiteral("Progress [0%]"));

    progress.SetPosWithoutPercent(10);
    EXPECT_EQ(progress.Window()->windowTitle(), QStringLiteral("Progress "));
}

TEST_F(ProgressWindowTest, BarStaysInRangeAndTextIsFormattedSafely) {
    ProgressWindow progress(&main_, QStringLiteral("Read"), true);
    progress.SetRange(0, 100);
    progress.SetPos(250);
    EXPECT_EQ(progress.Window()->windowTitle(), QStringLiteral("Read [250%]"));
    const auto* bar = progress.Window()->findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 100);

    progress.SetText("Reading record %d of %d", 7, 100);
    const auto* message = progress.Window()->findChild<QLabel*>();
    EXPECT_EQ(message->text(), QStringLiteral("Reading record 7 of 100"));
    const std::string longText(2000, 'x');
    progress.SetText("%s", longText.c_str());
    EXPECT_EQ(message->text().size(), 511);

    progress.Clear();
    EXPECT_TRUE(message->text().isEmpty());
    EXPECT_EQ(progress.SetPos(5), 0);
}

TEST_F(ProgressWindowTest, StoredPositionIsUsedWhenOnScreenElseCentred) {
    StorePosition(40, 60);
    {
        ProgressWindow progress(&main_);
        EXPECT_EQ(progress.Window()->pos(), QPoint(40, 60));
    }
    main_.hide();  // centred on the screen, not on a visible owner
    for (const QPoint stored : {QPoint(-1, -1), QPoint(100000, 10), QPoint(10, 100000)}) {
        StorePosition(stored.x(), stored.y());
        ProgressWindow progress(&main_);
        EXPECT_EQ(progress.Window()->pos(), ScreenCentreFor(progress.Window()->size())) << stored.x();
    }
}

// A position stored near the corner of a larger screen (or at a smaller scale), and an owner larger than
// the screen: the window still opens wholly on the screen.
TEST_F(ProgressWindowTest, OpensInsideTheScreensFreeArea) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    StorePosition(area.right() - 10, area.bottom() - 10);
    {
        ProgressWindow progress(&main_);
        EXPECT_TRUE(area.contains(progress.Window()->frameGeometry()));
        EXPECT_EQ(progress.Window()->frameGeometry().bottomRight(), area.bottomRight());
    }
    QSettings().clear();
    main_.setGeometry(area.adjusted(-400, -300, 400, 300));
    ProgressWindow progress(&main_);
    EXPECT_TRUE(area.contains(progress.Window()->frameGeometry()));
}

TEST_F(ProgressWindowTest, DestroyStoresThePositionAndLaterCallsReturnEarly) {
    ProgressWindow progress(&main_);
    progress.SetPos(30);
    progress.Window()->move(123, 77);
    progress.Destroy();
    EXPECT_EQ(progress.Window(), nullptr);
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("Settings/X")).toInt(), 123);
    EXPECT_EQ(settings.value(QStringLiteral("Settings/Y")).toInt(), 77);
    EXPECT_EQ(progress.SetPos(60), 30);
    progress.SetText("ignored");
    progress.PeekAndPump();
}

TEST_F(ProgressWindowTest, ModalDisablesMainWindowAndEscapeInPumpCancels) {
    ProgressWindow progress(&main_);
    ASSERT_TRUE(progress.GoModal());
    EXPECT_FALSE(main_.isEnabled());
    EXPECT_TRUE(progress.Window()->isEnabled());

    QCoreApplication::postEvent(progress.Window(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    progress.PeekAndPump();
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_EQ(progress.Window(), nullptr);
    EXPECT_TRUE(main_.isEnabled());
    EXPECT_TRUE(main_.isVisible());  // the Escape did not reach the main dialog
}

TEST_F(ProgressWindowTest, EscapeMeantForTheMainDialogOnlyCancelsTheJob) {
    ProgressWindow progress(&main_);
    QCoreApplication::postEvent(&main_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    progress.PeekAndPump();
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_TRUE(main_.isVisible());         // a dialog that saw the Escape would have closed
    ASSERT_NE(progress.Window(), nullptr);  // not modal: hidden, not destroyed
    EXPECT_FALSE(progress.Window()->isVisible());
    progress.SetPos(20);
    EXPECT_TRUE(progress.Window()->isVisible());
}

TEST_F(ProgressWindowTest, EscapeIsIgnoredWhenDisabledAndOutsideThePump) {
    ProgressWindow progress(&main_);
    progress.GoModal();
    QCoreApplication::postEvent(progress.Window(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    progress.PeekAndPump(false);
    EXPECT_FALSE(progress.Cancelled());
    QTest::keyClick(progress.Window(), Qt::Key_Escape);
    EXPECT_FALSE(progress.Cancelled());
    progress.Destroy();
    EXPECT_TRUE(main_.isEnabled());
}

TEST_F(ProgressWindowTest, CancelButtonAndCloseEndTheModalWindow) {
    ProgressWindow progress(&main_);
    progress.GoModal();
    progress.ShowCancelButton(true);
    auto* button = progress.Window()->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral(" Cancel "));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_EQ(progress.Window(), nullptr);
    EXPECT_TRUE(main_.isEnabled());

    ProgressWindow second(&main_);
    second.GoModal();
    second.Window()->move(11, 22);
    second.Window()->close();
    EXPECT_EQ(second.Window(), nullptr);
    EXPECT_TRUE(main_.isEnabled());
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/X")).toInt(), 11);
}

TEST_F(ProgressWindowTest, OwnerDestroyedFirstLeavesNoDanglingWindow) {
    auto* owner = new QDialog;
    ProgressWindow progress(owner);
    progress.GoModal();
    delete owner;
    EXPECT_EQ(progress.Window(), nullptr);
    EXPECT_EQ(progress.SetPos(10), 0);
    progress.Destroy();
}

}  // namespace
}  // namespace terrovane::ui

#include <QWidget>

#include <gtest/gtest.h>

#include "ScreenFit.h"

namespace terrovane::screenfit {
namespace {

const QRect kArea(0, 30, 1280, 690);  // a screen with a 30-pixel panel on top

TEST(FitInside, KeepsWhatFitsAndMovesWhatStandsOut) {
    EXPECT_EQ(FitInside(QRect(100, 100, 400, 200), kArea), QRect(100, 100, 400, 200));
    EXPECT_EQ(FitInside(QRect(kArea.topLeft(), kArea.size()), kArea), kArea);
    // Past the right and bottom edges (a position remembered at 1x, shown at 2x).
    EXPECT_EQ(FitInside(QRect(1100, 600, 390, 130), kArea), QRect(890, 590, 390, 130));
    // Before the left and top edges, and under the panel.
    EXPECT_EQ(FitInside(QRect(-500, 0, 390, 130), kArea), QRect(0, 30, 390, 130));
}

TEST(FitInside, ShrinksWhatIsLargerThanTheArea) {
    EXPECT_EQ(FitInside(QRect(0, 0, 1600, 620), kArea), QRect(0, 30, 1280, 620));
    EXPECT_EQ(FitInside(QRect(200, 200, 2000, 2000), kArea), kArea);
    // On a second screen to the left of the first.
    const QRect left(-1920, 0, 1920, 1080);
    EXPECT_EQ(FitInside(QRect(-100, 500, 800, 600), left), QRect(-800, 480, 800, 600));
}

TEST(FitInside, LeavesTheRectangleAloneWithoutAScreen) {
    EXPECT_EQ(FitInside(QRect(5000, 5000, 10, 10), QRect()), QRect(5000, 5000, 10, 10));
}

TEST(ScreenFit, WindowsStayInsideTheScreensFreeArea) {
    QWidget window;
    const QRect area = AvailableArea(&window);
    ASSERT_FALSE(area.isEmpty());
    ResizeOnScreen(&window, area.size() + QSize(500, 300));
    EXPECT_EQ(window.size(), area.size());
    window.resize(200, 100);
    MoveOnScreen(&window, area.bottomRight());
    EXPECT_TRUE(area.contains(window.geometry())) << window.geometry().x() << "," << window.geometry().y();
    window.move(-300, -300);
    KeepOnScreen(&window);
    EXPECT_EQ(window.pos(), area.topLeft());
}

// Sized before it has a frame, a window is fitted again, frame and all, when it is shown.
TEST(ScreenFit, AWindowSizedBeforeItsFrameFitsOnceShown) {
    QWidget window;
    const QRect area = AvailableArea(&window);
    ResizeOnScreen(&window, QSize(5000, 5000));
    window.show();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
}

}  // namespace
}  // namespace terrovane::screenfit

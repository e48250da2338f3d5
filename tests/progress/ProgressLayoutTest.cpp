#include <gtest/gtest.h>

#include "ProgressLayout.h"

namespace terrovane::ui {
namespace {

TEST(ProgressLayout, ButtonRightAlignedUnderMessageAndBarBesideIt) {
    ProgressMetrics m;
    m.messageHeight = 52;
    m.messageWidth = 300;
    m.buttonTextWidth = 60;
    m.textHeight = 13;
    const ProgressLayout layout = ComputeProgressLayout(m);

    EXPECT_EQ(layout.message, QRect(10, 10, 300, 52));
    EXPECT_EQ(layout.button, QRect(310 - 68, 72, 68, 19));  // width 60 + 4 edges, height 13 + 3 edges
    EXPECT_EQ(layout.bar.left(), 10);
    EXPECT_EQ(layout.bar.x() + layout.bar.width(), layout.button.x() - 10);
    EXPECT_EQ(layout.bar.y(), 74);
    EXPECT_EQ(layout.bar.height(), 15);
    EXPECT_EQ(layout.client, QSize(330, 72 + 19 + 30));
}

TEST(ProgressPercent, CountsFromTheRangeStartAndIsZeroForEmptyRanges) {
    EXPECT_EQ(ProgressPercent(0, 100, 45), 45);
    EXPECT_EQ(ProgressPercent(0, 7200, 3600), 50);
    EXPECT_EQ(ProgressPercent(10, 110, 60), 50);
    EXPECT_EQ(ProgressPercent(50, 50, 70), 0);
    EXPECT_EQ(ProgressPercent(100, 0, 70), 0);
    EXPECT_EQ(ProgressPercent(0, 100, 2000000000), 2000000000);  // no overflow on the way
}

TEST(ProgressPlacement, KeepsOnScreenPositionsAndCentresTheRest) {
    const QSize screen(1280, 1024);
    const QRect area(0, 0, 1280, 1000);
    const QSize window(330, 120);
    EXPECT_EQ(ProgressPlacement(QPoint(100, 200), screen, area, window), QPoint(100, 200));
    EXPECT_EQ(ProgressPlacement(QPoint(0, 0), screen, area, window), QPoint(0, 0));
    const QPoint centre((1280 - 330) / 2, (1000 - 120) / 2);
    EXPECT_EQ(ProgressPlacement(QPoint(-1, -1), screen, area, window), centre);
    EXPECT_EQ(ProgressPlacement(QPoint(1280, 10), screen, area, window), centre);
    EXPECT_EQ(ProgressPlacement(QPoint(10, 1024), screen, area, window), centre);
}

}  // namespace
}  // namespace terrovane::ui

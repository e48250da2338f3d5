#include <gtest/gtest.h>

#include "MenuMetrics.h"

namespace terrovane::menu {
namespace {

TEST(MenuMetrics, ItemSizes) {
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Separator, 80).height(), 10);
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 60), QSize(76, 19));
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Popup, 60), QSize(91, 19));
    // The gap before a shortcut and the margin after it; the menu adds the shortcut column itself.
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 60, true),
              QSize(76 + kShortcutGap + kShortcutMargin, 19));
}

TEST(MenuMetrics, ItemParts) {
    const QRect item(10, 40, 120, 19);
    EXPECT_EQ(ImageColumnRect(item), QRect(10, 40, 21, 19));
    EXPECT_EQ(TextRect(item).left(), 36);
    EXPECT_EQ(TextRect(item).right(), item.right());
    EXPECT_EQ(ImageCellRect(item), QRect(10, 40, 20, 19));
    EXPECT_EQ(ShortcutRect(item, 30), QRect(item.right() + 1 - kShortcutMargin - 30, 40, 30, 19));
    const QRect separator(10, 40, 120, 10);
    EXPECT_EQ(SeparatorLine(separator), QLine(36, 45, item.right() - 2, 45));
}

TEST(MenuMetrics, FrameEdgesLieInsideThePanel) {
    const QRect panel(0, 0, 101, 57);
    const auto edges = MenuFrameEdges(panel);
    EXPECT_EQ(edges[0], QRect(0, 0, 101, 1));
    EXPECT_EQ(edges[1], QRect(0, 56, 101, 1));
    EXPECT_EQ(edges[2], QRect(0, 0, 1, 57));
    EXPECT_EQ(edges[3], QRect(100, 0, 1, 57));
    for (const QRect& edge : edges)
        EXPECT_TRUE(panel.contains(edge));
}

}  // namespace
}  // namespace terrovane::menu

#include "MenuMetrics.h"

#include <QLine>

namespace terrovane::menu {

QSize MeasureMenuItem(MenuItemKind kind, int textWidth, bool hasShortcut) {
    if (kind == MenuItemKind::Separator)
        return {0, kSeparatorHeight};
    const int width = textWidth + kImageWidth + (kind == MenuItemKind::Popup ? kPopupExtraWidth : 0) +
                      (hasShortcut ? kShortcutGap + kShortcutMargin : 0);
    return {width, kImageHeight + 4};
}

QRect ImageColumnRect(const QRect& item) {
    return {item.left(), item.top(), kImageWidth + 5, item.height()};
}

QRect TextRect(const QRect& item) {
    return QRect(QPoint(item.left() + kImageWidth + 10, item.top()), item.bottomRight());
}

QRect ImageCellRect(const QRect& item) {
    return {item.left(), item.top(), kImageWidth + 4, kImageHeight + 4};
}

QRect ShortcutRect(const QRect& item, int shortcutColumnWidth) {
    return {item.right() + 1 - kShortcutMargin - shortcutColumnWidth, item.top(), shortcutColumnWidth,
            item.height()};
}

std::array<QRect, 4> MenuFrameEdges(const QRect& panel) {
    return {QRect(panel.left(), panel.top(), panel.width(), 1),
            QRect(panel.left(), panel.bottom(), panel.width(), 1),
            QRect(panel.left(), panel.top(), 1, panel.height()),
            QRect(panel.right(), panel.top(), 1, panel.height())};
}

QLine SeparatorLine(const QRect& item) {
    const int y = item.top() + item.height() / 2;
    return {item.left() + kImageWidth + 10, y, item.right() - 2, y};
}

}  // namespace terrovane::menu

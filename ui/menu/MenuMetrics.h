#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <QSize>
#include <array>

namespace terrovane::menu {

// The flat menu look: a grey image column, a light background and a framed highlight.
inline constexpr QColor kMenuBackground{239, 243, 255};
inline constexpr QColor kImageColumn{210, 210, 210};
inline constexpr QColor kHighlightFrame{49, 106, 197};
inline constexpr QColor kHighlightFill{193, 210, 238};
inline constexpr QColor kSeparatorDark{64, 0, 128};
inline constexpr QColor kSeparatorLight{255, 255, 255};
inline constexpr QColor kDisabledCheck{127, 127, 127};
inline constexpr QColor kMenuFrame{128, 128, 128};

inline constexpr int kImageWidth = 16;
inline constexpr int kImageHeight = 15;
inline constexpr int kSeparatorHeight = 10;
inline constexpr int kPopupExtraWidth = 15;  // room for the submenu arrow
inline constexpr int kShortcutGap = 24;      // between an item's text and its shortcut
inline constexpr int kShortcutMargin = 8;    // between the shortcut and the item's right edge

enum class MenuItemKind { Command, Separator, Popup };

// The size of one pop-up item whose text is `textWidth` pixels wide. An item with a shortcut gets room
// for the gap and margin around it; the menu adds the shortcut column's own width to every item.
QSize MeasureMenuItem(MenuItemKind kind, int textWidth, bool hasShortcut = false);

// Parts of an item's rectangle.
QRect ImageColumnRect(const QRect& item);  // grey column on the left
QRect TextRect(const QRect& item);
QRect ImageCellRect(const QRect& item);  // where the check mark goes
// The shortcut column, right-aligned in the item: as wide as the menu's widest shortcut.
QRect ShortcutRect(const QRect& item, int shortcutColumnWidth);
// The pop-up's one-pixel frame as four strips inside `panel`: filled, they stay whole at fractional scales,
// where a drawn rectangle's right and bottom lines fall outside the pop-up.
std::array<QRect, 4> MenuFrameEdges(const QRect& panel);
// The separator line's left and right ends and its height.
QLine SeparatorLine(const QRect& item);

}  // namespace terrovane::menu

#include "MenuStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "MenuMetrics.h"

namespace terrovane::menu {
namespace {

// The platform adds the check-mark width to every measured item so that text is never clipped.
constexpr int kCheckAllowance = 12;

MenuItemKind KindOf(const QStyleOptionMenuItem& item) {
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return MenuItemKind::Separator;
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        return MenuItemKind::Popup;
    return MenuItemKind::Command;
}

void DrawSeparator(QPainter& painter, const QRect& item) {
    const QLine line = SeparatorLine(item);
    painter.setPen(kSeparatorDark);
    painter.drawLine(line);
    painter.setPen(kSeparatorLight);
    painter.drawLine(line.translated(0, 1));
}

void DrawCheck(QPainter& painter, const QRect& item, bool enabled, QColor textColour) {
    const QRect cell = ImageCellRect(item);
    const QString mark = QString::fromUtf8("\xE2\x88\x9A");  // square-root sign, the menu's check mark
    if (!enabled) {
        painter.setPen(Qt::white);
        painter.drawText(cell.translated(1, 1), Qt::AlignCenter, mark);
        painter.setPen(kDisabledCheck);
        painter.drawText(cell, Qt::AlignCenter, mark);
        return;
    }
    painter.setPen(textColour);
    painter.drawText(cell.adjusted(2, 2, -2, -2), Qt::AlignCenter, mark);
}

// Disabled text is embossed: a white copy one pixel down and right under a grey one.
void DrawItemText(QPainter& painter, const QStyleOptionMenuItem& item, QColor textColour) {
    const QRect area = TextRect(item.rect);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    const QString text = item.text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = item.text.section(QLatin1Char('\t'), 1);
    const QRect shortcutArea = ShortcutRect(item.rect, item.reservedShortcutWidth);
    const int shortcutFlags = Qt::AlignRight | Qt::AlignVCenter;
    if (!(item.state & QStyle::State_Enabled)) {
        painter.setPen(Qt::white);
        painter.drawText(area.translated(1, 1), flags, text);
        painter.drawText(shortcutArea.translated(1, 1), shortcutFlags, shortcut);
        painter.setPen(item.palette.color(QPalette::Disabled, QPalette::WindowText));
    } else {
        painter.setPen(textColour);
    }
    painter.drawText(area, flags, text);
    painter.drawText(shortcutArea, shortcutFlags, shortcut);
}

void DrawSubmenuArrow(QPainter& painter, const QRect& item, QColor colour) {
    const int x = item.right() - 8, y = item.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon{QPoint(x - 3, y - 4), QPoint(x + 1, y), QPoint(x - 3, y + 4)});
}

void DrawMenuItem(QPainter& painter, const QStyleOptionMenuItem& item) {
    const bool selected = item.state & QStyle::State_Selected;
    // The highlight is a light fill, so its text keeps the normal menu-text colour: the palette's
    // highlighted-text colour is meant for a dark fill and would be unreadable on this one.
    const QColor textColour = item.palette.color(QPalette::WindowText);
    painter.fillRect(item.rect, kMenuBackground);
    painter.fillRect(ImageColumnRect(item.rect), kImageColumn);
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return DrawSeparator(painter, item.rect);
    if (selected) {
        painter.setPen(kHighlightFrame);
        painter.setBrush(kHighlightFill);
        painter.drawRect(item.rect.adjusted(0, 0, -1, -1));
    }
    painter.setFont(item.font);
    DrawItemText(painter, item, textColour);
    if (item.checked)
        DrawCheck(painter, item.rect, item.state & QStyle::State_Enabled, textColour);
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubmenuArrow(painter, item.rect, textColour);
}

}  // namespace

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr) {
        painter->save();
        DrawMenuItem(*painter, *item);
        painter->restore();
        return;
    }
    if (element == CE_MenuEmptyArea || element == CE_MenuVMargin || element == CE_MenuHMargin) {
        painter->fillRect(option->rect, kMenuBackground);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (element == PE_PanelMenu) {
        painter->fillRect(option->rect, kMenuBackground);
        return;
    }
    if (element == PE_FrameMenu) {
        for (const QRect& edge : MenuFrameEdges(option->rect))
            painter->fillRect(edge, kMenuFrame);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || item == nullptr)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const QString text = item->text.section(QLatin1Char('\t'), 0, 0);
    const int textWidth = item->fontMetrics.horizontalAdvance(text);  // the raw text, "&" included
    const bool hasShortcut = item->text.contains(QLatin1Char('\t'));
    QSize measured = MeasureMenuItem(KindOf(*item), textWidth, hasShortcut);
    if (KindOf(*item) != MenuItemKind::Separator)
        measured.rwidth() += kCheckAllowance;
    return measured;
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return 1;  // a thin frame; the items fill the rest
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace terrovane::menu

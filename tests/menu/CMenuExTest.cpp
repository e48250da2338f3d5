#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>

#include "CMenuEx.h"
#include "CommandIds.h"
#include "MenuMetrics.h"
#include "MenuStyle.h"

namespace terrovane::menu {
namespace {

// The contrast ratio of two colours by their relative luminance, as accessibility guidelines define it.
double ContrastRatio(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

TEST(CMenuEx, BuildsTheMainMenuWithItsIdsAndTexts) {
    QWidget window;
    CMenuEx menu(&window);
    EXPECT_FALSE(menu.LoadMenu(176));
    ASSERT_TRUE(menu.LoadMenu(res::kMainMenuResource));
    const std::pair<int, const char*> items[] = {
        {res::kCmdRead, "Read (&R)"},           {res::kCmdSave, "Save (&S)"},
        {res::kCmdPrint, "Print(&P)"},          {res::kCmdShow, "Show (&F)"},
        {res::kCmdExit, "Exit (&E)"},           {res::kCmdDateTime, "Date&Time (&T)"},
        {res::kCmdEraseCurrent, "Current(&C)"}, {res::kCmdEraseAll, "All    (&A)"},
        {res::kCmdHelp, "Help (&H)"},           {res::kCmdHistory, "&History..."},
    };
    for (const auto& [id, text] : items) {
        ASSERT_NE(menu.Action(id), nullptr) << id;
        EXPECT_EQ(menu.Action(id)->text().toStdString(), text);
        EXPECT_EQ(menu.Action(id)->data().toInt(), id);
        EXPECT_TRUE(menu.Action(id)->isVisible());
    }
    for (int id : {res::kCmdBlank1, res::kCmdBlank2}) {
        ASSERT_NE(menu.Action(id), nullptr);
        EXPECT_FALSE(menu.Action(id)->isVisible());
    }
    ASSERT_NE(menu.Popup("File (F)"), nullptr);
    // The five items of the File menu, then the archive's History window and the team after them.
    ASSERT_EQ(menu.Popup("File (F)")->actions().size(), 7);
    EXPECT_EQ(menu.Popup("File (F)")->actions().at(4), menu.Action(res::kCmdExit));
    EXPECT_EQ(menu.Popup("File (F)")->actions().at(5), menu.Action(res::kCmdHistory));
    EXPECT_EQ(menu.Popup("File (F)")->actions().at(6), menu.Action(res::kCmdTeam));
    QMenu* erase = menu.Popup("Erase    (D)");
    ASSERT_NE(erase, nullptr);
    EXPECT_EQ(menu.Popup("Mount(M)")->actions().at(1), erase->menuAction());
    EXPECT_EQ(menu.MenuBar()->actions().size(), 5);
}

TEST(CMenuEx, TriggeringAnItemReportsItsCommand) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    std::vector<int> commands;
    QObject::connect(&menu, &CMenuEx::Command, [&](int id) { commands.push_back(id); });
    menu.Action(res::kCmdEraseAll)->trigger();
    menu.Action(res::kCmdHelp)->trigger();
    EXPECT_EQ(commands, (std::vector<int>{res::kCmdEraseAll, res::kCmdHelp}));
}

// Item sizes as the pop-up asks its style for them.
QSize StyledItemSize(QMenu* popup, QAction* action) {
    QStyleOptionMenuItem option;
    option.initFrom(popup);
    option.text = action->text();
    option.menuItemType = action->menu()          ? QStyleOptionMenuItem::SubMenu
                          : action->isSeparator() ? QStyleOptionMenuItem::Separator
                                                  : QStyleOptionMenuItem::Normal;
    option.fontMetrics = popup->fontMetrics();
    return popup->style()->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(), popup);
}

TEST(CMenuEx, PopupItemsAreNineteenHighAndSubmenusFifteenWider) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* mount = menu.Popup("Mount(M)");
    QAction* erase = menu.Popup("Erase    (D)")->menuAction();
    const QSize popupSize = StyledItemSize(mount, erase);
    EXPECT_EQ(popupSize.height(), 19);
    QAction plain(erase->text());
    EXPECT_EQ(popupSize.width() - StyledItemSize(mount, &plain).width(), 15);
    QAction separator;
    separator.setSeparator(true);
    EXPECT_EQ(StyledItemSize(mount, &separator).height(), 10);
}

TEST(CMenuEx, OpenMenuShowsTheGreyColumnAndTheFramedHighlight) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* file = menu.Popup("File (F)");
    file->popup(QPoint(0, 0));
    QApplication::processEvents();
    QAction* save = menu.Action(res::kCmdSave);
    file->setActiveAction(save);
    QApplication::processEvents();
    const QImage shot = file->grab().toImage();
    const QRect saveRect = file->actionGeometry(save);
    const QRect readRect = file->actionGeometry(menu.Action(res::kCmdRead));
    EXPECT_EQ(readRect.height(), 19);
    const int y = readRect.center().y();
    EXPECT_EQ(QColor(shot.pixel(readRect.left() + 3, y)), kImageColumn);
    EXPECT_EQ(QColor(shot.pixel(readRect.right() - 2, y)), kMenuBackground);
    EXPECT_EQ(QColor(shot.pixel(saveRect.left() + 3, saveRect.center().y())), kHighlightFill);
    EXPECT_EQ(QColor(shot.pixel(saveRect.right() - 3, saveRect.top())), kHighlightFrame);
    EXPECT_EQ(QColor(shot.pixel(saveRect.left() + 3, saveRect.bottom())), kHighlightFrame);
    // The highlighted item's text stays readable on the light fill (at least 4.5:1, as for body text).
    QColor darkest = kHighlightFill;
    for (int x = saveRect.left() + 1; x < saveRect.right(); ++x) {
        for (int y = saveRect.top() + 1; y < saveRect.bottom(); ++y) {
            const QColor pixel(shot.pixel(x, y));
            if (pixel.lightnessF() < darkest.lightnessF()) {
                darkest = pixel;
            }
        }
    }
    EXPECT_GE(ContrastRatio(darkest, kHighlightFill), 4.5) << darkest.name().toStdString();
    file->hide();
}

// At a fractional scale (1.5x) the frame's bottom and right edges are still drawn, on the last row and
// column of device pixels.
TEST(CMenuEx, TheFrameIsWholeAtOneAndAHalfTimes) {
    MenuStyle style;
    for (const QSize size : {QSize(101, 57), QSize(100, 56)}) {
        QImage image((QSizeF(size) * 1.5).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(1.5);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOption option;
        option.rect = QRect(QPoint(0, 0), size);
        style.drawPrimitive(QStyle::PE_FrameMenu, &option, &painter, nullptr);
        painter.end();
        const int right = image.width() - 1, bottom = image.height() - 1;
        EXPECT_EQ(QColor(image.pixel(right, image.height() / 2)), kMenuFrame) << size.width();
        EXPECT_EQ(QColor(image.pixel(image.width() / 2, bottom)), kMenuFrame) << size.height();
        EXPECT_EQ(QColor(image.pixel(0, image.height() / 2)), kMenuFrame);
        EXPECT_EQ(QColor(image.pixel(image.width() / 2, 0)), kMenuFrame);
    }
}

// A shortcut stands right-aligned in its own column, clear of the item's text, and the pop-up is wide
// enough for both.
TEST(CMenuEx, ShowsAnItemsShortcutInItsOwnColumn) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* file = menu.Popup("File (F)");
    const int widthWithout = file->sizeHint().width();
    QAction* read = menu.Action(res::kCmdRead);
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    const QString keys = read->shortcut().toString(QKeySequence::NativeText);
    const QFontMetrics metrics(file->font());
    EXPECT_GE(file->sizeHint().width(), widthWithout + metrics.horizontalAdvance(keys) + kShortcutGap);

    file->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage shot = file->grab().toImage();
    const QRect item = file->actionGeometry(read);
    const QRect column = ShortcutRect(item, metrics.horizontalAdvance(keys));
    const QRect text(TextRect(item).left(), item.top(), metrics.horizontalAdvance(QStringLiteral("Read (R)")),
                     item.height());
    EXPECT_FALSE(column.intersects(text));
    const auto inked = [&shot](const QRect& area) {
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (QColor(shot.pixel(x, y)) != kMenuBackground)
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(column.intersected(shot.rect())));
    // Between the two: background only.
    EXPECT_FALSE(
        inked(QRect(QPoint(text.right() + 4, item.top() + 1), QPoint(column.left() - 4, item.bottom() - 1))));
    file->hide();
}

// Draws one item of `popup` the way the pop-up asks its style to, on its own image.
QImage DrawnItem(QMenu* popup, QAction* action, bool enabled) {
    QStyleOptionMenuItem option;
    option.initFrom(popup);
    option.text = action->text();
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType =
        action->isCheckable() ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
    option.checked = action->isChecked();
    option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    option.font = popup->font();
    option.rect = QRect(0, 0, 160, 19);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    popup->style()->drawControl(QStyle::CE_MenuItem, &option, &painter, popup);
    return image;
}

// Pixels of the image cell that are neither the grey column nor the background: the check mark's strokes.
std::vector<QColor> MarkPixels(const QImage& image) {
    std::vector<QColor> marks;
    const QRect cell = ImageCellRect(image.rect()).intersected(ImageColumnRect(image.rect()));
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor colour(image.pixel(x, y));
            if (colour != kImageColumn && colour != kMenuBackground)
                marks.push_back(colour);
        }
    }
    return marks;
}

int Darkest(const std::vector<QColor>& colours) {
    int darkest = 255;
    for (const QColor& colour : colours)
        darkest = std::min(darkest, colour.lightness());
    return darkest;
}

TEST(CMenuEx, FastReadOutIsACheckableMountItemThatShowsItsCheckMarkWhileOn) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* mount = menu.Popup("Mount(M)");
    QAction* fast = menu.Action(res::kCmdFastReadOut);
    ASSERT_NE(fast, nullptr);
    EXPECT_EQ(fast->text().toStdString(), "&Fast read-out");
    EXPECT_TRUE(mount->actions().contains(fast));
    EXPECT_TRUE(fast->isCheckable());
    EXPECT_FALSE(menu.Action(res::kCmdRead)->isCheckable());

    EXPECT_TRUE(MarkPixels(DrawnItem(mount, fast, true)).empty());
    fast->trigger();  // a checkable item toggles itself and still reports its command
    ASSERT_TRUE(fast->isChecked());
    const std::vector<QColor> enabled = MarkPixels(DrawnItem(mount, fast, true));
    ASSERT_FALSE(enabled.empty());
    EXPECT_LT(Darkest(enabled), 100);  // in the text colour
    // Disabled, the mark is grey (over a white shadow): nothing darker than the grey.
    const std::vector<QColor> disabled = MarkPixels(DrawnItem(mount, fast, false));
    ASSERT_FALSE(disabled.empty());
    EXPECT_GE(Darkest(disabled), kDisabledCheck.lightness() - 2);
}

}  // namespace
}  // namespace terrovane::menu

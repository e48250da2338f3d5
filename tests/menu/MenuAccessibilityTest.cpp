// The owner-drawn pop-ups as a screen reader queries them through QAccessible.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QWidget>

#include <gtest/gtest.h>

#include "CMenuEx.h"
#include "CommandIds.h"
#include "MenuAccessible.h"

namespace terrovane::menu {
namespace {

TEST(MenuAccessibility, SpokenTextsLoseTheirMnemonicMarksAndShortcuts) {
    EXPECT_EQ(SpokenItemText(QStringLiteral("Read (&R)")), QStringLiteral("Read (R)"));
    EXPECT_EQ(SpokenItemText(QStringLiteral("Date&Time (&T)")), QStringLiteral("DateTime (T)"));
    EXPECT_EQ(SpokenItemText(QStringLiteral("Save && close\tCtrl+S")), QStringLiteral("Save & close"));
    EXPECT_EQ(SpokenItemText(QStringLiteral("trailing&")), QStringLiteral("trailing"));
}

// The accessible child of `popup` that stands for `action`.
QAccessibleInterface* ItemOf(QAccessibleInterface* popup, QAction* action) {
    for (int i = 0; i < popup->childCount(); ++i) {
        if (popup->child(i)->object() == action)
            return popup->child(i);
    }
    return nullptr;
}

TEST(MenuAccessibility, PopupsListTheirItemsWithNamesRolesStatesAndActions) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* file = menu.Popup("File (F)");
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(file);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->role(), QAccessible::PopupMenu);
    EXPECT_EQ(popup->text(QAccessible::Name), SpokenItemText(file->title()));
    EXPECT_EQ(popup->childCount(), file->actions().size());

    QAction* read = menu.Action(res::kCmdRead);
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAccessibleInterface* item = ItemOf(popup, read);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item, QAccessible::queryAccessibleInterface(read));  // one interface per item
    EXPECT_EQ(item->parent(), popup);
    EXPECT_EQ(popup->indexOfChild(item), static_cast<int>(file->actions().indexOf(read)));
    EXPECT_EQ(item->role(), QAccessible::MenuItem);
    EXPECT_EQ(item->text(QAccessible::Name), SpokenItemText(read->text()));
    EXPECT_FALSE(item->text(QAccessible::Name).contains(QLatin1Char('&')));
    EXPECT_EQ(item->text(QAccessible::Accelerator), read->shortcut().toString(QKeySequence::NativeText));
    EXPECT_FALSE(item->state().disabled);
    EXPECT_FALSE(item->state().checked);

    QAccessibleActionInterface* actions = item->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{read->shortcut().toString(QKeySequence::NativeText)});
    std::vector<int> commands;
    QObject::connect(&menu, &CMenuEx::Command, [&commands](int id) { commands.push_back(id); });
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(commands, std::vector<int>{res::kCmdRead});

    // Disabled and checked items say so, and a disabled one offers nothing to do.
    QAction* save = menu.Action(res::kCmdSave);
    save->setEnabled(false);
    EXPECT_TRUE(ItemOf(popup, save)->state().disabled);
    EXPECT_TRUE(ItemOf(popup, save)->actionInterface()->actionNames().isEmpty());
    ItemOf(popup, save)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(commands.size(), 1u);
    QAction* show = menu.Action(res::kCmdShow);
    show->setCheckable(true);
    show->setChecked(true);
    EXPECT_TRUE(ItemOf(popup, show)->state().checkable);
    EXPECT_TRUE(ItemOf(popup, show)->state().checked);
}

TEST(MenuAccessibility, SubmenusAndSeparatorsHaveTheirOwnRoles) {
    QWidget window;
    CMenuEx menu(&window);
    menu.LoadMenu(res::kMainMenuResource);
    QMenu* erase = menu.Popup("Erase    (D)");
    QAccessibleInterface* mount = QAccessible::queryAccessibleInterface(menu.Popup("Mount(M)"));
    QAccessibleInterface* opener = ItemOf(mount, erase->menuAction());
    ASSERT_NE(opener, nullptr);
    EXPECT_TRUE(opener->state().hasPopup);
    EXPECT_EQ(opener->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::showMenuAction()});
    ASSERT_EQ(opener->childCount(), 1);
    EXPECT_EQ(opener->child(0)->object(), erase);

    QMenu* file = menu.Popup("File (F)");
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(file);
    int separators = 0;
    for (int i = 0; i < popup->childCount(); ++i) {
        if (popup->child(i)->role() == QAccessible::Separator) {
            ++separators;
            EXPECT_TRUE(popup->child(i)->actionInterface()->actionNames().isEmpty());
        }
    }
    int expected = 0;
    for (QAction* action : file->actions())
        expected += action->isSeparator() ? 1 : 0;
    EXPECT_EQ(separators, expected);
}

}  // namespace
}  // namespace terrovane::menu

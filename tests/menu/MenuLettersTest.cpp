// Every menu item is reached from the keyboard alone: Alt and the bar's letter, then the items' letters.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

#include "CMenuEx.h"
#include "CommandIds.h"

namespace terrovane::menu {
namespace {

// The letters of one menu's items, each told by the item's text.
void ExpectUniqueLetters(const QList<QAction*>& actions, const QString& where) {
    std::set<int> letters;
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        EXPECT_FALSE(letter.isEmpty()) << where.toStdString() << ": " << action->text().toStdString();
        EXPECT_TRUE(letters.insert(letter[0].toCombined()).second)
            << where.toStdString() << ": the letter of " << action->text().toStdString() << " is taken";
        if (action->menu() != nullptr)
            ExpectUniqueLetters(action->menu()->actions(), action->text());
    }
}

TEST(MenuLetters, EveryItemHasALetterOfItsOwnInItsMenu) {
    QWidget window;
    CMenuEx menu(&window);
    ASSERT_TRUE(menu.LoadMenu(res::kMainMenuResource));
    ExpectUniqueLetters(menu.MenuBar()->actions(), "menu bar");
}

TEST(MenuLetters, PressingTheLettersRunsEachCommand) {
    QWidget window;
    CMenuEx menu(&window);
    ASSERT_TRUE(menu.LoadMenu(res::kMainMenuResource));
    auto* layout = new QVBoxLayout(&window);
    layout->setMenuBar(menu.MenuBar());
    window.resize(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    std::vector<int> commands;
    QObject::connect(&menu, &CMenuEx::Command, [&](int id) { commands.push_back(id); });

    const std::vector<std::pair<int, std::vector<Qt::Key>>> paths = {
        {res::kCmdRead, {Qt::Key_F, Qt::Key_R}},
        {res::kCmdSave, {Qt::Key_F, Qt::Key_S}},
        {res::kCmdPrint, {Qt::Key_F, Qt::Key_P}},
        {res::kCmdShow, {Qt::Key_F, Qt::Key_F}},
        {res::kCmdExit, {Qt::Key_F, Qt::Key_E}},
        {res::kCmdHistory, {Qt::Key_F, Qt::Key_H}},
        {res::kCmdTeam, {Qt::Key_F, Qt::Key_T}},
        {res::kCmdDateTime, {Qt::Key_M, Qt::Key_T}},
        {res::kCmdEraseCurrent, {Qt::Key_M, Qt::Key_D, Qt::Key_C}},
        {res::kCmdEraseAll, {Qt::Key_M, Qt::Key_D, Qt::Key_A}},
        {res::kCmdHelp, {Qt::Key_H}},
        {res::kCmdFastReadOut, {Qt::Key_M, Qt::Key_F}},
        {res::kCmdPort, {Qt::Key_M, Qt::Key_P}},
        {res::kCmdLanguageGerman, {Qt::Key_M, Qt::Key_L, Qt::Key_D}},
    };
    for (const auto& [id, keys] : paths) {
        commands.clear();
        QTest::keyClick(&window, keys.front(), Qt::AltModifier);
        for (std::size_t i = 1; i < keys.size(); ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr) << "command " << id << ": no menu open before key " << i;
            QTest::keyClick(popup, keys[i]);
        }
        EXPECT_EQ(commands, std::vector<int>{id}) << "command " << id;
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
}

}  // namespace
}  // namespace terrovane::menu

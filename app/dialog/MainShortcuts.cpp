#include "MainShortcuts.h"

#include <QAction>

#include "CMenuEx.h"
#include "CommandIds.h"

namespace terrovane::app {

namespace {

// Some key schemes leave a standard key empty (Quit under the Windows-like scheme of a bare X server):
// the command then keeps the key most desktops give it.
QKeySequence StandardOr(QKeySequence::StandardKey key, const QKeySequence& fallback) {
    const QKeySequence standard(key);
    return standard.isEmpty() ? fallback : standard;
}

}  // namespace

std::vector<CommandShortcut> MainShortcuts() {
    return {
        {res::kCmdRead, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {res::kCmdSave, StandardOr(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S))},
        {res::kCmdPrint, StandardOr(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P))},
        {res::kCmdExit, StandardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q))},
        {res::kCmdHistory, QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
}

void AssignMainShortcuts(menu::CMenuEx& menu) {
    for (const CommandShortcut& shortcut : MainShortcuts()) {
        if (QAction* action = menu.Action(shortcut.commandId)) {
            action->setShortcut(shortcut.keys);
            action->setShortcutContext(Qt::WindowShortcut);
        }
    }
}

}  // namespace terrovane::app

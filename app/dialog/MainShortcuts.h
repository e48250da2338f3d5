#pragma once

#include <QKeySequence>

#include <vector>

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

// One menu command and the keys that run it from anywhere in the main window.
struct CommandShortcut {
    int commandId;
    QKeySequence keys;
};

// The platform's standard keys where there is one (Save, Print, Quit, Help), Ctrl+R for Read and
// Ctrl+H for the archive's window.
std::vector<CommandShortcut> MainShortcuts();

// Puts the shortcuts on the menu's items, where the menu also shows them.
void AssignMainShortcuts(menu::CMenuEx& menu);

}  // namespace terrovane::app

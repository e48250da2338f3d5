#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terrovane::menu {

// One item of a menu resource: a command, a separator, or a popup with its own items.
struct MenuEntry {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    std::string text;  // UTF-8, "&" marks the mnemonic
    int commandId = 0;
    std::vector<MenuEntry> children;
    bool checked = false;
    bool disabled = false;
};

inline constexpr int kMainMenuResource = 175;

// Command ids of the main menu.
enum CommandId : int {
    kCommandExit = 1,
    kCommandSave = 32784,
    kCommandPrint = 32785,
    kCommandDateTime = 32787,
    kCommandEraseCurrent = 32789,
    kCommandEraseAll = 32790,
    kCommandHelp = 32791,
    kCommandRead = 32792,
    kCommandEmptyFirst = 32793,
    kCommandShow = 32808,
    kCommandEmptySecond = 58112,
};

// The top-level items of a menu resource, or nullopt when the id names no menu.
std::optional<std::vector<MenuEntry>> LoadMenuResource(int resourceId);

}  // namespace terrovane::menu

#pragma once

#include <string>
#include <vector>

namespace terrovane::res {

// One item of a menu resource: a command (id > 0 or the blank bar entries), a popup (children, id -1)
// or a separator (id 0, no text). A checkable command shows a check mark while it is on.
struct MenuItem {
    std::string text;
    int id = 0;
    std::vector<MenuItem> children;
    bool checkable = false;

    bool IsPopup() const { return !children.empty(); }
    bool IsSeparator() const { return id == 0 && children.empty(); }
};

inline constexpr int kMainMenuResource = 175;

// The main dialog's menu bar, top-level entries in order.
const std::vector<MenuItem>& MainMenu();
// The top-level entries of the menu resource `resourceId`, or nullptr when the id names no menu.
const std::vector<MenuItem>* MenuResource(int resourceId);

// The toolbar's buttons in order: text and command id.
struct ToolbarButton {
    const char* text;
    int id;
};
const std::vector<ToolbarButton>& MainToolbar();

}  // namespace terrovane::res

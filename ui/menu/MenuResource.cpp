#include "MenuResource.h"

namespace terrovane::menu {
namespace {

using Kind = MenuEntry::Kind;

MenuEntry Command(const char* text, int id) {
    return {Kind::Command, text, id, {}};
}
MenuEntry Popup(const char* text, std::vector<MenuEntry> children) {
    return {Kind::Popup, text, 0, std::move(children)};
}

std::vector<MenuEntry> MainMenu() {
    return {
        Popup("File (&F)", {Command("Read (&R)", kCommandRead), Command("Save (S)", kCommandSave),
                            Command("Print(P)", kCommandPrint), Command("Show (&F)", kCommandShow),
                            Command("Exit (&E)", kCommandExit)}),
        Popup("Mount(&M)", {Command("Date&Time (&T)", kCommandDateTime),
                            Popup("Erase    (&D)", {Command("Current(&C)", kCommandEraseCurrent),
                                                    Command("All    (&A)", kCommandEraseAll)})}),
        Command("Help (&H)", kCommandHelp),
        Command("", kCommandEmptyFirst),
        Command("", kCommandEmptySecond),
    };
}

}  // namespace

std::optional<std::vector<MenuEntry>> LoadMenuResource(int resourceId) {
    if (resourceId == kMainMenuResource)
        return MainMenu();
    return std::nullopt;
}

}  // namespace terrovane::menu

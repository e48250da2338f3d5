#include "MenuResource.h"

#include "CommandIds.h"
#include "PortTexts.h"

namespace terrovane::res {

const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu = {
        {"File (&F)",
         -1,
         {
             {"Read (&R)", kCmdRead, {}},
             {"Save (S)", kCmdSave, {}},
             {"Print(P)", kCmdPrint, {}},
             {"Show (&F)", kCmdShow, {}},
             {"Exit (&E)", kCmdExit, {}},
             {"History...", kCmdHistory, {}},
         }},
        {"Mount(&M)",
         -1,
         {
             {"Date&Time (&T)", kCmdDateTime, {}},
             {"Erase    (&D)",
              -1,
              {
                  {"Current(&C)", kCmdEraseCurrent, {}},
                  {"All    (&A)", kCmdEraseAll, {}},
              }},
             {"Fast read-out", kCmdFastReadOut, {}, true},
             {kPortMenuText, kCmdPort, {}},
         }},
        {"Help (&H)", kCmdHelp, {}},
        {"", kCmdBlank1, {}},
        {"", kCmdBlank2, {}},
    };
    return menu;
}

const std::vector<MenuItem>* MenuResource(int resourceId) {
    return resourceId == kMainMenuResource ? &MainMenu() : nullptr;
}

const std::vector<ToolbarButton>& MainToolbar() {
    static const std::vector<ToolbarButton> buttons = {
        {"Read", kCmdRead},      {"Save", kCmdSave},          {"Print", kCmdPrint}, {"Show", kCmdShow},
        {"Mount", kCmdDateTime}, {"Erase", kCmdEraseCurrent}, {"Exit", kCmdExit},
    };
    return buttons;
}

}  // namespace terrovane::res

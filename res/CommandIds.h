#pragma once

namespace terrovane::res {

// Command ids shared by the menu bar, the toolbar and the dialog's handlers.
enum CommandId : int {
    kCmdExit = 1,
    kCmdAbout = 16,  // the window menu's about item; any id whose value masked with 0xFFF0 is 16
    kCmdSave = 32784,
    kCmdPrint = 32785,
    kCmdDateTime = 32787,
    kCmdEraseCurrent = 32789,
    kCmdEraseAll = 32790,
    kCmdHelp = 32791,
    kCmdRead = 32792,
    kCmdBlank1 = 32793,
    kCmdShow = 32808,
    kCmdHistory = 32809,          // the archive's History window
    kCmdPort = 32810,             // the choice among several instrument bridges
    kCmdFastReadOut = 32815,      // turns the fast read-out on and off (checked while on)
    kCmdLanguageChinese = 32816,  // the language of the next start (the running one is checked)
    kCmdLanguageEnglish = 32817,
    kCmdLanguageGerman = 32818,
    kCmdTeam = 32819,  // the team server: sign-in, sync and its pace
    kCmdBlank2 = 58112,
};

}  // namespace terrovane::res

namespace terrovane::res {

// Window-menu commands keep their low four bits for the window manager's own use.
constexpr bool IsAboutCommand(int id) {
    return (id & 0xFFF0) == kCmdAbout;
}

}  // namespace terrovane::res

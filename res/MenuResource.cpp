#include "MenuResource.h"

#include <QtGlobal>

#include "CommandIds.h"
#include "PortTexts.h"

namespace terrovane::res {

// The texts are marked for translation (context "Menu"; the toolbar's "Toolbar") and translated where
// they are shown.
const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu = {
        {QT_TRANSLATE_NOOP("Menu", "File (&F)"),
         -1,
         {
             {QT_TRANSLATE_NOOP("Menu", "Read (&R)"), kCmdRead, {}},
             {QT_TRANSLATE_NOOP("Menu", "Save (&S)"), kCmdSave, {}},
             {QT_TRANSLATE_NOOP("Menu", "Print(&P)"), kCmdPrint, {}},
             {QT_TRANSLATE_NOOP("Menu", "Show (&F)"), kCmdShow, {}},
             {QT_TRANSLATE_NOOP("Menu", "Exit (&E)"), kCmdExit, {}},
             {QT_TRANSLATE_NOOP("Menu", "&History..."), kCmdHistory, {}},
             {QT_TRANSLATE_NOOP("Menu", "&Team..."), kCmdTeam, {}},
         }},
        {QT_TRANSLATE_NOOP("Menu", "Mount(&M)"),
         -1,
         {
             {QT_TRANSLATE_NOOP("Menu", "Date&Time (&T)"), kCmdDateTime, {}},
             {QT_TRANSLATE_NOOP("Menu", "Erase    (&D)"),
              -1,
              {
                  {QT_TRANSLATE_NOOP("Menu", "Current(&C)"), kCmdEraseCurrent, {}},
                  {QT_TRANSLATE_NOOP("Menu", "All    (&A)"), kCmdEraseAll, {}},
              }},
             {QT_TRANSLATE_NOOP("Menu", "&Fast read-out"), kCmdFastReadOut, {}, true},
             {kPortMenuText, kCmdPort, {}},
             {QT_TRANSLATE_NOOP("Menu", "Language (&L)"),
              -1,
              {
                  // Each language in its own words, whatever the running one: never translated.
                  {"中文(&Z)", kCmdLanguageChinese, {}, true},
                  {"&English", kCmdLanguageEnglish, {}, true},
                  {"&Deutsch", kCmdLanguageGerman, {}, true},
              }},
         }},
        {QT_TRANSLATE_NOOP("Menu", "Help (&H)"), kCmdHelp, {}},
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
        {QT_TRANSLATE_NOOP("Toolbar", "Read"), kCmdRead},
        {QT_TRANSLATE_NOOP("Toolbar", "Save"), kCmdSave},
        {QT_TRANSLATE_NOOP("Toolbar", "Print"), kCmdPrint},
        {QT_TRANSLATE_NOOP("Toolbar", "Show"), kCmdShow},
        {QT_TRANSLATE_NOOP("Toolbar", "Mount"), kCmdDateTime},
        {QT_TRANSLATE_NOOP("Toolbar", "Erase"), kCmdEraseCurrent},
        {QT_TRANSLATE_NOOP("Toolbar", "Exit"), kCmdExit},
    };
    return buttons;
}

}  // namespace terrovane::res

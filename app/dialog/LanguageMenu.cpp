#include "LanguageMenu.h"

#include <QAction>
#include <QtGlobal>

#include "CMenuEx.h"
#include "LanguageCommand.h"
#include "MessageBox.h"

namespace terrovane::app {

LanguageMenu::LanguageMenu(menu::CMenuEx& menu) : menu_(menu) {
    ShowChecks(LanguageCommand(translations::InstalledLanguage().value_or(translations::Language::Chinese)));
}

void LanguageMenu::ShowChecks(int checkedId) {
    for (const translations::Language language : translations::kLanguages) {
        if (QAction* item = menu_.Action(LanguageCommand(language)))
            item->setChecked(LanguageCommand(language) == checkedId);
    }
}

void LanguageMenu::Choose(int id) {
    const auto language = CommandLanguage(id);
    if (!language)
        return;
    ShowChecks(id);
    if (!translations::RememberLanguage(*language)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The language could not be remembered."));
    }
    if (language != translations::InstalledLanguage()) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Terrovane speaks the chosen language from its next start."));
    }
}

}  // namespace terrovane::app

// The Language menu: the running language is checked; a choice is remembered for every program of the
// suite and takes effect at the next start, since the open windows were built in the running language.
#include "LanguageCommand.h"

#include <QAction>
#include <QtGlobal>

#include "CMenuEx.h"
#include "CTesterDlg.h"
#include "CommandIds.h"
#include "MessageBox.h"

namespace terrovane::app {

int LanguageCommand(translations::Language language) {
    switch (language) {
        case translations::Language::English:
            return res::kCmdLanguageEnglish;
        case translations::Language::German:
            return res::kCmdLanguageGerman;
        case translations::Language::Chinese:
            break;
    }
    return res::kCmdLanguageChinese;
}

std::optional<translations::Language> CommandLanguage(int id) {
    for (const translations::Language language : translations::kLanguages) {
        if (LanguageCommand(language) == id)
            return language;
    }
    return std::nullopt;
}

void CTesterDlg::ShowLanguageChecks(int checkedId) {
    for (const translations::Language language : translations::kLanguages) {
        if (QAction* item = menu_->Action(LanguageCommand(language)))
            item->setChecked(LanguageCommand(language) == checkedId);
    }
}

void CTesterDlg::OnLanguage(int id) {
    const auto language = CommandLanguage(id);
    if (!language)
        return;
    ShowLanguageChecks(id);
    if (!translations::RememberLanguage(*language)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The language could not be remembered."));
    }
    if (language != translations::InstalledLanguage()) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Terrovane speaks the chosen language from its next start."));
    }
}

}  // namespace terrovane::app

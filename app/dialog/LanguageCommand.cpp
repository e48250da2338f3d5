#include "LanguageCommand.h"

#include "CommandIds.h"

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

}  // namespace terrovane::app

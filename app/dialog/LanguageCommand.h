#pragma once

#include <optional>

#include "LanguageChoice.h"

namespace terrovane::app {

// The Language menu's command of each language, and back.
int LanguageCommand(translations::Language language);
std::optional<translations::Language> CommandLanguage(int id);

}  // namespace terrovane::app

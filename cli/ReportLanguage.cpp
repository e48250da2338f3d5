#include "ReportLanguage.h"

#include "LanguageChoice.h"

namespace terrovane::cli {

DeclaredOption LanguageOption() {
    return {"lang", "zh|en|de",
            "The report's language; by default the setting Interface/Language of Terrovane.conf, else the "
            "system's (Chinese or German for such a locale, otherwise English)."};
}

std::optional<int> ChooseReportLanguage(const ParsedArguments& options, const std::string& command) {
    translations::LanguageRequest request;
    if (options.Has("lang")) {
        request.option = translations::ParseLanguage(options.Value("lang"));
        if (!request.option) {
            return UsageError(
                command,
                CliText::tr("--lang must be zh, en or de, not \"%1\"").arg(Given(options.Value("lang"))));
        }
    }
    std::string told;  // a bad setting was told once already, as the program started
    request.setting = translations::LanguageSetting(told);
    if (!translations::InstallLanguage(translations::ChooseLanguage(request))) {
        Tell(command, CliText::tr("the translation could not be loaded; the report's texts stay as written"));
    }
    return std::nullopt;
}

}  // namespace terrovane::cli

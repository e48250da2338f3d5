#include "ReportLanguage.h"

#include <cstdio>

#include "LanguageChoice.h"

namespace terrovane::cli {

std::optional<int> ChooseReportLanguage(const ParsedArguments& options, const std::string& command) {
    translations::LanguageRequest request;
    if (options.Has("lang")) {
        request.option = translations::ParseLanguage(options.Value("lang"));
        if (!request.option) {
            return UsageError(command, "--lang must be zh, en or de, not \"" + options.Value("lang") + "\"");
        }
    }
    std::string warning;
    request.setting = translations::LanguageSetting(warning);
    if (!warning.empty()) {
        std::fprintf(stderr, "%s: %s\n", command.c_str(), warning.c_str());
    }
    if (!translations::InstallLanguage(translations::ChooseLanguage(request))) {
        std::fprintf(stderr, "%s: the English translation could not be loaded; the report stays Chinese\n",
                     command.c_str());
    }
    return std::nullopt;
}

}  // namespace terrovane::cli

#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

#include "Strings.h"

namespace terrovane::translations {

std::optional<Language> ParseLanguage(const std::string& code) {
    if (code == "zh")
        return Language::Chinese;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) {
    return language == Language::Chinese ? "zh" : "en";
}

Language SystemLanguage() {
    const QStringList wanted = QLocale::system().uiLanguages();
    const QString first = wanted.isEmpty() ? QString() : wanted.front();
    const bool chinese = first == QLatin1String("zh") || first.startsWith(QLatin1String("zh-")) ||
                         first.startsWith(QLatin1String("zh_"));
    return chinese ? Language::Chinese : Language::English;
}

Language ChooseLanguage(const LanguageRequest& request) {
    if (request.option)
        return *request.option;
    if (request.setting)
        return *request.setting;
    return SystemLanguage();
}

std::optional<Language> LanguageOption(const std::vector<std::string>& arguments, std::string& error) {
    static const std::string kOption = "--lang";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string value;
        if (arguments[i] == kOption) {
            if (i + 1 >= arguments.size()) {
                error = "--lang needs a value: zh or en";
                return std::nullopt;
            }
            value = arguments[i + 1];
        } else if (arguments[i].rfind(kOption + "=", 0) == 0) {
            value = arguments[i].substr(kOption.size() + 1);
        } else {
            continue;
        }
        const auto language = ParseLanguage(value);
        if (!language)
            error = "--lang must be zh or en, not \"" + value + "\"";
        return language;
    }
    return std::nullopt;
}

std::optional<Language> LanguageSetting(std::string& warning) {
    // The main program's settings file: one choice for the whole suite.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromUtf8(res::kProfileKey), QString::fromUtf8(res::kProgramName));
    const QString value = settings.value(QLatin1String(kLanguageSettingKey)).toString();
    if (value.isEmpty())
        return std::nullopt;
    const auto language = ParseLanguage(value.toStdString());
    if (!language) {
        warning = std::string("the setting ") + kLanguageSettingKey + "=" + value.toStdString() +
                  " is neither zh nor en; the system's language is used";
    }
    return language;
}

namespace {

std::optional<Language> installed;

}  // namespace

std::optional<Language> InstalledLanguage() {
    return installed;
}

bool InstallLanguage(Language language) {
    installed = language;
    if (language == Language::Chinese)
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/terrovane_en.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

std::optional<int> RefuseBadLanguageOption(const std::vector<std::string>& arguments, const char* program) {
    std::string error;
    LanguageOption(arguments, error);
    if (error.empty())
        return std::nullopt;
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return 2;
}

void ChooseAndInstallLanguage(const std::vector<std::string>& arguments, const char* program) {
    std::string error;
    LanguageRequest request;
    request.option = LanguageOption(arguments, error);
    std::string warning;
    request.setting = LanguageSetting(warning);
    if (!warning.empty())
        std::fprintf(stderr, "%s: %s\n", program, warning.c_str());
    if (!InstallLanguage(ChooseLanguage(request)))
        std::fprintf(stderr, "%s: the English translation could not be loaded; the texts stay Chinese\n",
                     program);
}

}  // namespace terrovane::translations

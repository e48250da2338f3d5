#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <memory>

#include "Settings.h"

namespace terrovane::translations {

std::optional<Language> ParseLanguage(const std::string& code) {
    for (const Language language : kLanguages) {
        if (code == LanguageCode(language))
            return language;
    }
    return std::nullopt;
}

const char* LanguageCode(Language language) {
    switch (language) {
        case Language::Chinese:
            return "zh";
        case Language::German:
            return "de";
        case Language::English:
            break;
    }
    return "en";
}

const char* LanguageName(Language language) {
    switch (language) {
        case Language::Chinese:
            return "中文";
        case Language::German:
            return "Deutsch";
        case Language::English:
            break;
    }
    return "English";
}

namespace {

bool Names(const QString& wanted, const char* code) {
    const QString prefix = QLatin1String(code);
    return wanted == prefix || wanted.startsWith(prefix + QLatin1Char('-')) ||
           wanted.startsWith(prefix + QLatin1Char('_'));
}

}  // namespace

Language SystemLanguage() {
    // The first wanted language decides, even when it is one we lack: a French user reads English, not
    // the German that may come second in the list.
    const QStringList wanted = QLocale::system().uiLanguages();
    const QString first = wanted.isEmpty() ? QString() : wanted.front();
    for (const Language language : kLanguages) {
        if (Names(first, LanguageCode(language)))
            return language;
    }
    return Language::English;
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
                error = "--lang needs a value: zh, en or de";
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
            error = "--lang must be zh, en or de, not \"" + value + "\"";
        return language;
    }
    return std::nullopt;
}

// The main program's settings file holds one choice for the whole suite.
bool RememberLanguage(Language language) {
    platform::Settings settings;
    settings.SetLanguage(QLatin1String(LanguageCode(language)));
    return settings.Save();
}

std::optional<Language> LanguageSetting(std::string& warning) {
    const QString value = platform::Settings().Language();
    if (value.isEmpty())
        return std::nullopt;
    const auto language = ParseLanguage(value.toStdString());
    if (!language) {
        warning = std::string("the setting ") + platform::kLanguageSettingKey + "=" + value.toStdString() +
                  " is not zh, en or de; the system's language is used";
    }
    return language;
}

namespace {

std::optional<Language> installed;
QTranslator* installedTranslator = nullptr;
QTranslator* installedQtTranslator = nullptr;

void Remove(QTranslator*& translator) {
    if (translator == nullptr)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's own texts (the standard buttons, the file and print dialogs) in the language, where Qt's
// translations are installed; English needs none.
void InstallQtTranslation(Language language) {
    if (language == Language::English)
        return;
    auto translator = std::make_unique<QTranslator>();
    const QString name =
        language == Language::Chinese ? QStringLiteral("qtbase_zh_CN") : QStringLiteral("qtbase_de");
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        installedQtTranslator = translator.release();
}

}  // namespace

std::optional<Language> InstalledLanguage() {
    return installed;
}

bool InstallLanguage(Language language) {
    installed = language;
    // One translation at a time: the one before goes, or its texts would answer where the new one lacks.
    Remove(installedTranslator);
    Remove(installedQtTranslator);
    InstallQtTranslation(language);
    auto translator = std::make_unique<QTranslator>();
    const QString file =
        QStringLiteral(":/translations/terrovane_%1.qm").arg(QLatin1String(LanguageCode(language)));
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installedTranslator = translator.release();
    return true;
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
        std::fprintf(stderr, "%s: the translation could not be loaded; the texts stay as written\n", program);
}

}  // namespace terrovane::translations

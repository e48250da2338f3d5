#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terrovane::translations {

// The languages the programs speak. The sources are Chinese (or English, where the program never had a
// Chinese text); each language has its built-in translation: Chinese keeps the Chinese texts and the
// original's English ones as they are and says ours in Chinese.
enum class Language { Chinese, English, German };

// Every language, in the order the Language menu lists them.
inline constexpr Language kLanguages[] = {Language::Chinese, Language::English, Language::German};

// "zh", "en" or "de" (as --lang and the setting spell them); nullopt for anything else.
std::optional<Language> ParseLanguage(const std::string& code);
const char* LanguageCode(Language language);

// The first language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that is
// Chinese or German; English for every other one, the C locale included.
Language SystemLanguage();

// What the user asked for, strongest first: --lang, then the setting, then the system.
struct LanguageRequest {
    std::optional<Language> option;
    std::optional<Language> setting;
};
Language ChooseLanguage(const LanguageRequest& request);

// Remembers `language` in Terrovane.conf for every program of the suite; false when it cannot be written.
bool RememberLanguage(Language language);

// The value of --lang among a program's arguments ("--lang X" or "--lang=X"); nullopt when absent. A
// missing or unknown value sets `error` to a message for the user.
std::optional<Language> LanguageOption(const std::vector<std::string>& arguments, std::string& error);

// The setting of Terrovane.conf; a value that is not "zh", "en" or "de" is ignored with `warning` set.
std::optional<Language> LanguageSetting(std::string& warning);

// The language's own name, as the Language menu shows it whatever the running language: "中文", "English",
// "Deutsch".
const char* LanguageName(Language language);

// Makes `language` the application's: loads its built-in translation into the running QCoreApplication in
// place of the one installed before (false when it cannot be loaded; the sources' texts are then shown).
bool InstallLanguage(Language language);

// The language InstallLanguage last made the application's; nullopt before it ran (so a program started
// from this one is told only what this one was told).
std::optional<Language> InstalledLanguage();

// A program's start-up, in two steps. Before anything else: a bad --lang is told on standard error,
// prefixed with `program`, and ends the program with status 2 (the value returned). Then, once the
// application object exists: --lang, else the setting, else the system, installed.
std::optional<int> RefuseBadLanguageOption(const std::vector<std::string>& arguments, const char* program);
void ChooseAndInstallLanguage(const std::vector<std::string>& arguments, const char* program);

}  // namespace terrovane::translations

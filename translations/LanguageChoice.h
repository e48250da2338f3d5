#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terrovane::translations {

// The languages the programs speak: their own texts are Chinese (or English, where the program never had
// a Chinese one); English replaces the Chinese ones.
enum class Language { Chinese, English };

// "zh" or "en" (as --lang and the setting spell them); nullopt for anything else.
std::optional<Language> ParseLanguage(const std::string& code);
const char* LanguageCode(Language language);

// Chinese when the first language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads
// them) is Chinese, English for every other one, the C locale included.
Language SystemLanguage();

// The key in Terrovane.conf that overrides the system's language for every program of the suite.
inline constexpr const char* kLanguageSettingKey = "Interface/Language";

// What the user asked for, strongest first: --lang, then the setting, then the system.
struct LanguageRequest {
    std::optional<Language> option;
    std::optional<Language> setting;
};
Language ChooseLanguage(const LanguageRequest& request);

// The value of --lang among a program's arguments ("--lang X" or "--lang=X"); nullopt when absent. A
// missing or unknown value sets `error` to a message for the user.
std::optional<Language> LanguageOption(const std::vector<std::string>& arguments, std::string& error);

// The setting of Terrovane.conf; a value that is neither "zh" nor "en" is ignored with `warning` set.
std::optional<Language> LanguageSetting(std::string& warning);

// Makes `language` the application's: for English, loads the built-in translation into the running
// QCoreApplication (false when it cannot be loaded); for Chinese, nothing to do.
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

#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace terrovane::cli {

// The command line's messages to people (errors and refusals, confirmations, questions) are marked with
// CliText::tr and said in the user's language. Its --help, usage lines and machine-readable output are an
// interface and stay English.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The text as the UTF-8 bytes the terminal takes.
std::string Utf8(const QString& text);
// Something given (a file name, a site's name, a detail from below) put into a message as it came.
QString Given(const std::string& text);

// "command: text" on standard error.
void Tell(const std::string& command, const QString& text);
// One line for the person on standard output: what a command did.
void Confirm(const QString& text);

// Installs the language the user's messages are said in: the suite's setting Interface/Language, else the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
void InstallMessageLanguage();

}  // namespace terrovane::cli

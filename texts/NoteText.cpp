#include "NoteText.h"

#include <QStringList>

#include <string_view>

#include "NoteTexts.h"
#include "StatedText.h"
#include "Verdict.h"

namespace terrovane::texts {
namespace {

constexpr const char* kNotes = "AnalysisNotes";

// "slot 07", "slot 07 of 2026-03-14" or an older note's "result 1234" as the running language names a
// result.
QString SourceText(const std::string& source) {
    Stated stated;
    if (!ParseStated(source, analysis::SourceTexts(), stated))
        return QString::fromStdString(source);
    std::vector<QString> arguments;
    for (const std::string& argument : stated.arguments)
        arguments.push_back(QString::fromStdString(argument));
    return TranslatedStated(kNotes, stated.text, arguments);
}

// The reasons of a doubtful result, joined as the note joins them.
QString ReasonsText(const std::string& reasons) {
    QStringList said;
    for (const QString& reason : QString::fromStdString(reasons).split(QStringLiteral("; ")))
        said << ValidityNoteText(reason.toStdString());
    return said.join(QStringLiteral("; "));
}

// By content: a fixed text's address may differ from one translation unit to the next.
bool Is(const char* text, const char* fixed) {
    return std::string_view(text) == fixed;
}

bool NamesItsSource(const char* text) {
    return Is(text, analysis::kLeftOutOverRange) || Is(text, analysis::kLeftOutNoValue) ||
           Is(text, analysis::kLeftOutDoubtful) || Is(text, analysis::kLeftOutNoDistance) ||
           Is(text, analysis::kDistanceAsStored);
}

}  // namespace

QString ValidityNoteText(const std::string& note) {
    Stated stated;
    if (!ParseStated(note, archive::ValidityTexts(), stated))
        return QString::fromStdString(note);
    std::vector<QString> arguments;
    for (const std::string& argument : stated.arguments)
        arguments.push_back(QString::fromStdString(argument));
    return TranslatedStated("ValidityNotes", stated.text, arguments);
}

QString AnalysisNoteText(const std::string& note) {
    Stated stated;
    if (!ParseStated(note, analysis::NoteTexts(), stated))
        return QString::fromStdString(note);
    std::vector<QString> arguments;
    for (const std::string& argument : stated.arguments)
        arguments.push_back(QString::fromStdString(argument));
    if (NamesItsSource(stated.text))
        arguments.front() = SourceText(stated.arguments.front());
    if (Is(stated.text, analysis::kLeftOutDoubtful))
        arguments.at(1) = ReasonsText(stated.arguments.at(1));
    return TranslatedStated(kNotes, stated.text, arguments);
}

}  // namespace terrovane::texts

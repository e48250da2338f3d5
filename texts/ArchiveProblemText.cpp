#include "ArchiveProblemText.h"

#include "Problems.h"
#include "StatedText.h"

namespace terrovane::texts {

QString ArchiveProblemText(const std::string& error) {
    Stated problem;
    if (!ParseStated(error, archive::ProblemTexts(), problem))
        return QString::fromStdString(error);
    std::vector<QString> arguments;
    for (const std::string& argument : problem.arguments)
        arguments.push_back(QString::fromStdString(argument));
    return TranslatedStated("ArchiveProblems", problem.text, arguments);
}

QString FailureText(const archive::Failure& failure) {
    if (failure.problem == nullptr) {
        return ArchiveProblemText(failure.Text());
    }
    std::vector<QString> arguments;
    for (const std::string& argument : failure.arguments)
        arguments.push_back(QString::fromStdString(argument));
    const char* context = failure.problemContext != nullptr ? failure.problemContext : "ArchiveProblems";
    return TranslatedStated(context, failure.problem, arguments);
}

}  // namespace terrovane::texts

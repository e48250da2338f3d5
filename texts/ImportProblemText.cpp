#include "ImportProblemText.h"

#include "ArchiveProblemText.h"
#include "ImportProblems.h"
#include "StatedText.h"

namespace terrovane::texts {

QString ImportProblemText(const std::string& problem) {
    Stated stated;
    if (!ParseStated(problem, imports::ImportProblemTexts(), stated))
        return ArchiveProblemText(problem);
    std::vector<QString> arguments;
    for (const std::string& argument : stated.arguments)
        arguments.push_back(QString::fromStdString(argument));
    return TranslatedStated("ImportProblems", stated.text, arguments);
}

}  // namespace terrovane::texts

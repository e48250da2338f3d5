#include "ArchiveProblemText.h"

#include <QCoreApplication>

#include "MessageBox.h"
#include "Problems.h"

namespace terrovane::texts {

QString ArchiveProblemText(const std::string& error) {
    archive::StatedProblem problem;
    if (!archive::ParseProblem(error, problem))
        return QString::fromStdString(error);
    const QString text = QCoreApplication::translate("ArchiveProblems", problem.text);
    return QString::fromStdString(platform::FillArguments(text.toStdString(), problem.arguments));
}

}  // namespace terrovane::texts

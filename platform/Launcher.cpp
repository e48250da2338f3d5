#include "Launcher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace terrovane::platform {

std::string FindProgram(const std::string& programName) {
    const QString name = QString::fromStdString(programName);
    if (QCoreApplication::instance() != nullptr) {
        const QFileInfo sibling(QCoreApplication::applicationDirPath() + "/" + name);
        if (sibling.isFile() && sibling.isExecutable())
            return sibling.absoluteFilePath().toStdString();
    }
    return QStandardPaths::findExecutable(name).toStdString();
}

namespace {

std::string NotFoundProblem() {
    const QString here = QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                                 : QStringLiteral("this program's folder");
    return "it is neither in " + here.toStdString() + " nor on the PATH";
}

}  // namespace

bool StartProgramDetached(const std::string& programName, std::string* problem,
                          const std::vector<std::string>& arguments) {
    const std::string path = FindProgram(programName);
    if (path.empty()) {
        if (problem != nullptr)
            *problem = NotFoundProblem();
        return false;
    }
    QProcess process;
    process.setProgram(QString::fromStdString(path));
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(QString::fromStdString(argument));
    process.setArguments(list);
    if (process.startDetached())
        return true;
    if (problem != nullptr)
        *problem = path + ": " + process.errorString().toStdString();
    return false;
}

}  // namespace terrovane::platform

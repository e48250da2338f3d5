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

bool StartProgramDetached(const std::string& programName) {
    const std::string path = FindProgram(programName);
    if (path.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace terrovane::platform

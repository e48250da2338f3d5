#include "HandoffDir.h"

#include <QDir>
#include <QStandardPaths>

#include <sys/stat.h>

namespace terrovane::platform {

std::string HandoffDir() {
    QString dir = qEnvironmentVariable("TERROVANE_HANDOFF_DIR");
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Terrovane";
    }
    const QByteArray native = QFile::encodeName(QDir::cleanPath(dir));
    if (!QDir(dir).exists()) {
        QDir().mkpath(dir);
        // The records are the user's own: nobody else needs to read them.
        ::chmod(native.constData(), 0700);
    }
    return native.toStdString();
}

std::string HandoffPath(const std::string& fileName) {
    return HandoffDir() + "/" + fileName;
}

}  // namespace terrovane::platform

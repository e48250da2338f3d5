#include "InstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace terrovane::platform {

InstanceLock::InstanceLock(const std::string& name) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    lock_ = std::make_unique<QLockFile>(dir + "/" + QString::fromStdString(name) + ".lock");
    // Only a live owner counts: a lock whose process is gone is removed by tryLock, whatever its age.
    lock_->setStaleLockTime(0);
    alreadyRunning_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
}

InstanceLock::~InstanceLock() = default;

}  // namespace terrovane::platform

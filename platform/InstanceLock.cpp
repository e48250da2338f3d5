#include "InstanceLock.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PrivateFolder.h"

namespace terrovane::platform {
namespace {

std::string RuntimeFolderRefusal(const std::string& dir, FolderState state) {
    const std::string folder = "The runtime folder " + dir;
    switch (state) {
        case FolderState::OtherOwner:
            return folder +
                   " belongs to another user, so no instance lock is kept there; set "
                   "XDG_RUNTIME_DIR to a folder of your own.";
        case FolderState::OpenToOthers:
            return folder +
                   " is open to other users, so no instance lock is kept there; make it private "
                   "with: chmod 700 '" +
                   dir + "'";
        case FolderState::NotAFolder:
            return folder + " is not a folder; set XDG_RUNTIME_DIR to a private folder of your own.";
        default:
            return folder +
                   " cannot be created or opened; set XDG_RUNTIME_DIR to a private folder of "
                   "your own.";
    }
}

std::string ConfiguredRuntimeDir() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime.toStdString();
    return QFile::encodeName(QDir::tempPath()).toStdString() + "/terrovane-runtime-" +
           std::to_string(::geteuid());
}

}  // namespace

std::optional<std::string> RuntimeDir(std::string& problem) {
    const std::string dir = ConfiguredRuntimeDir();
    FolderState state = CheckFolder(dir, Privacy::OwnerOnly);
    if (state == FolderState::Missing) {
        MakePrivateFolder(dir);
        state = CheckFolder(dir, Privacy::OwnerOnly);
    }
    if (state == FolderState::Usable)
        return dir;
    problem = RuntimeFolderRefusal(dir, state);
    return std::nullopt;
}

InstanceLock::InstanceLock(const std::string& name) {
    const auto dir = RuntimeDir(problem_);
    if (!dir)
        return;
    const std::string path = *dir + "/" + name + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        problem_ = "The instance lock " + path + " cannot be opened: " + std::strerror(errno);
        return;
    }
    int locked;
    do {
        locked = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        alreadyRunning_ = errno == EWOULDBLOCK;
        if (!alreadyRunning_)
            problem_ = "The instance lock " + path + " cannot be taken: " + std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace terrovane::platform

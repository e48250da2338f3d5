#include "PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace terrovane::platform {
namespace {

bool MakeFolder(const std::string& dir, mode_t mode) {
    if (::mkdir(dir.c_str(), mode) == 0 || errno == EEXIST)
        return true;
    const auto slash = dir.find_last_of('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0)
        return false;
    return MakeFolder(dir.substr(0, slash), mode) && (::mkdir(dir.c_str(), mode) == 0 || errno == EEXIST);
}

}  // namespace

FolderState CheckFolder(const std::string& dir, Privacy privacy) {
    struct stat folder {};
    if (::stat(dir.c_str(), &folder) != 0)
        return errno == ENOENT ? FolderState::Missing : FolderState::Unreadable;
    if (!S_ISDIR(folder.st_mode))
        return FolderState::NotAFolder;
    if (folder.st_uid != ::geteuid())
        return FolderState::OtherOwner;
    const mode_t forbidden = privacy == Privacy::OwnerOnly ? (S_IRWXG | S_IRWXO) : (S_IWGRP | S_IWOTH);
    return (folder.st_mode & forbidden) != 0 ? FolderState::OpenToOthers : FolderState::Usable;
}

bool MakePrivateFolder(const std::string& dir) {
    const auto slash = dir.find_last_of('/');
    // Parents are ordinary folders (such as ~/.local/share): the umask decides for them.
    if (slash != std::string::npos && slash > 0 && !MakeFolder(dir.substr(0, slash), 0777))
        return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace terrovane::platform

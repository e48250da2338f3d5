#include "ArchivePath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "PrivateFolder.h"

namespace terrovane::archive {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

std::string SystemReason() {
    return std::strerror(errno);
}

// The folder gets the hand-off folder's policy: made 0700, refused when another user owns it or others
// may write to it, since whoever can write there could replace the archive or plant its journal.
bool PrepareFolder(const std::string& folder, std::string& error) {
    if (folder.empty()) {
        return true;
    }
    platform::FolderState state = platform::CheckFolder(folder, platform::Privacy::NoOtherWriters);
    if (state == platform::FolderState::Missing) {
        platform::MakePrivateFolder(folder);
        state = platform::CheckFolder(folder, platform::Privacy::NoOtherWriters);
    }
    const std::string name = "The archive folder " + folder;
    switch (state) {
        case platform::FolderState::Usable:
            return true;
        case platform::FolderState::NotAFolder:
            error = name + " is not a folder; set TERROVANE_ARCHIVE to a file in a folder of your own.";
            break;
        case platform::FolderState::OtherOwner:
            error =
                name +
                " belongs to another user, so it is not used; set TERROVANE_ARCHIVE to a file in a folder "
                "of your own.";
            break;
        case platform::FolderState::OpenToOthers:
            error = name + " can be written by other users, so it is not used; make it yours alone with: " +
                    "chmod go-w '" + folder + "'";
            break;
        case platform::FolderState::Missing:
        case platform::FolderState::Unreadable:
            error = name + " cannot be created or opened: " + SystemReason() +
                    "; set TERROVANE_ARCHIVE to a file in a folder of your own.";
            break;
    }
    return false;
}

std::string Stamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Renames without replacing: link to the new name (fails when it exists), then drop the old name.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

bool LooksLikeDatabase(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return true;  // nothing there yet, or the opening will tell why
    }
    static constexpr char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                        'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    char header[sizeof kMagic] = {};
    const ssize_t n = ::read(fd, header, sizeof header);
    ::close(fd);
    return n == 0 || (n == sizeof header && std::memcmp(header, kMagic, sizeof kMagic) == 0);
}

std::string DefaultArchivePath() {
    const std::string explicitPath = EnvOr("TERROVANE_ARCHIVE", "");
    if (!explicitPath.empty()) {
        return explicitPath;
    }
    const std::string data = EnvOr("XDG_DATA_HOME", EnvOr("HOME", ".") + "/.local/share");
    return data + "/Terrovane/archive.sqlite";
}

bool PrepareArchiveFile(const std::string& path, std::string& error) {
    if (path.empty()) {
        error = "no archive path";
        return false;
    }
    if (!PrepareFolder(std::filesystem::path(path).parent_path().string(), error)) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        error = errno == ELOOP ? path + " is a symbolic link; the archive is not kept there"
                               : "cannot open " + path + ": " + SystemReason();
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular && (info.st_mode & 077) != 0) {
        ::fchmod(fd, 0600);
    }
    ::close(fd);
    if (!regular) {
        error = path + " is not a regular file";
        return false;
    }
    return true;
}

std::string MoveAside(const std::string& path, std::string& error) {
    const std::string base = path + ".corrupt-" + Stamp();
    std::string target = base;
    for (int n = 1; Exists(target) || Exists(target + "-wal") || Exists(target + "-shm"); ++n) {
        target = base + "-" + std::to_string(n);
    }
    if (!RenameNoReplace(path, target)) {
        error = "cannot move " + path + " aside: " + SystemReason();
        return {};
    }
    // The journal files belong to the damaged file; left behind they would be replayed into the new one.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (Exists(path + suffix)) {
            RenameNoReplace(path + suffix, target + suffix);
        }
    }
    return target;
}

}  // namespace terrovane::archive

#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace terrovane::platform {
namespace {

FileContent Outcome(FileStatus status, const std::string& path, const std::string& reason) {
    FileContent content;
    content.status = status;
    content.error = path + ": " + reason;
    return content;
}

// Why a file of this type is not read, or "" for a regular file.
std::string TypeRefusal(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISLNK(mode))
        return "is a symbolic link, which is not followed";
    if (S_ISDIR(mode))
        return "is a folder";
    return "is not a regular file";
}

// Opens the path for reading once it is known to be a regular file; fd < 0 and `result` set otherwise.
int OpenChecked(const std::string& path, Links links, FileContent& result) {
    if (links == Links::Refuse) {
        struct stat entry {};
        if (::lstat(path.c_str(), &entry) != 0) {
            result = Outcome(errno == ENOENT ? FileStatus::Missing : FileStatus::Failed, path,
                             std::strerror(errno));
            return -1;
        }
        if (const std::string refusal = TypeRefusal(entry.st_mode); !refusal.empty()) {
            result = Outcome(FileStatus::Refused, path, refusal);
            return -1;
        }
    }
    const int flags =
        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        const bool link = errno == ELOOP && links == Links::Refuse;
        result = Outcome(errno == ENOENT ? FileStatus::Missing
                         : link          ? FileStatus::Refused
                                         : FileStatus::Failed,
                         path, link ? "is a symbolic link, which is not followed" : std::strerror(errno));
        return -1;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        result = Outcome(FileStatus::Failed, path, std::strerror(errno));
    } else if (const std::string refusal = TypeRefusal(opened.st_mode); !refusal.empty()) {
        result = Outcome(FileStatus::Refused, path, refusal);
    } else {
        result.status = FileStatus::Read;
        result.size = static_cast<std::uint64_t>(opened.st_size);
        return fd;
    }
    ::close(fd);
    return -1;
}

}  // namespace

FileContent CheckRegularFile(const std::string& path, Links links) {
    FileContent result;
    const int fd = OpenChecked(path, links, result);
    if (fd >= 0)
        ::close(fd);
    return result;
}

FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes, Links links) {
    FileContent result;
    const int fd = OpenChecked(path, links, result);
    if (fd < 0)
        return result;
    // Read to the end or the bound, not to st_size: sysfs and /proc report nominal sizes.
    char chunk[64 * 1024];
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - result.bytes.size());
        const ssize_t got = ::read(fd, chunk, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int savedErrno = errno;
            ::close(fd);
            return Outcome(FileStatus::Failed, path, std::strerror(savedErrno));
        }
        if (got == 0)
            break;
        result.bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return result;
}

}  // namespace terrovane::platform

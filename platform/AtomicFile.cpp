#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace terrovane::platform {
namespace {

constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomSuffix() {
    unsigned char bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        // Without the random source a unique enough name still comes from the clock and the process.
        const unsigned long long seed = static_cast<unsigned long long>(::getpid()) * 2654435761ULL ^
                                        static_cast<unsigned long long>(::time(nullptr));
        std::memcpy(bytes, &seed, sizeof bytes);
    }
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (unsigned char byte : bytes)
        suffix += kAlphabet[byte % (sizeof kAlphabet - 1)];
    return suffix;
}

// Flushes the folder's entry for the renamed file where the file system supports it.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Refuse(const std::string& reason) {
    reason_ = reason;
    error_ = path_ + ": " + reason;
    Discard();
    return false;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool AtomicFile::CheckTarget() {
    if (path_.empty() || path_.back() == '/')
        return Refuse("no file name");
    struct stat target {};
    if (::lstat(path_.c_str(), &target) != 0) {
        if (errno == ENOENT)
            return true;
        return Refuse(std::strerror(errno));
    }
    if (S_ISLNK(target.st_mode))
        return Refuse("is a symbolic link, which is not followed");
    if (S_ISDIR(target.st_mode))
        return Refuse("is a folder");
    if (!S_ISREG(target.st_mode))
        return Refuse("is not a regular file");
    replaces_ = true;
    mode_ = target.st_mode & 07777;
    return true;
}

bool AtomicFile::Open() {
    Discard();
    error_.clear();
    reason_.clear();
    replaces_ = false;
    if (!CheckTarget())
        return false;
    const std::string stem = FolderOf(path_) + "/." + BaseNameOf(path_) + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = stem + RandomSuffix();
        // 0666: the umask decides a new file's permissions, as for any file the user creates.
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = name;
            break;
        }
        if (errno != EEXIST)
            return Refuse(std::strerror(errno));
    }
    if (fd_ < 0)
        return Refuse("no free temporary name in its folder");
    if (replaces_ && ::fchmod(fd_, mode_) != 0)
        return Refuse(std::strerror(errno));
    return true;
}

std::string AtomicFile::DescriptorPath() const {
    return "/proc/self/fd/" + std::to_string(fd_);
}

bool AtomicFile::Write(const void* data, std::size_t size) {
    if (fd_ < 0)
        return error_.empty() ? Refuse("not open") : false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Refuse(written < 0 ? std::strerror(errno) : "the disk took no more bytes");
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void AtomicFile::Fail(int savedErrno) {
    Refuse(savedErrno != 0 ? std::strerror(savedErrno) : "writing the file failed");
}

bool AtomicFile::Commit() {
    if (fd_ < 0)
        return error_.empty() ? Refuse("not open") : false;
    if (::fsync(fd_) != 0)
        return Refuse(std::strerror(errno));
    const int fd = fd_;
    fd_ = -1;
    // Some file systems only report a failed write when the file is closed.
    if (::close(fd) != 0)
        return Refuse(std::strerror(errno));
    if (::rename(temporary_.c_str(), path_.c_str()) != 0)
        return Refuse(std::strerror(errno));
    temporary_.clear();
    SyncFolder(FolderOf(path_));
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
    AtomicFile file(path);
    if (file.Open() && file.Write(content.data(), content.size()) && file.Commit())
        return true;
    error = file.Error();
    return false;
}

}  // namespace terrovane::platform

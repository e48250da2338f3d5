#include "SectorFile.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace terrovane::xls {

bool SectorFile::Create(const std::string& utf8Path) {
    Close();
    const int created = ::open(utf8Path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    if (created < 0) {
        return false;
    }
    ::close(created);
    fd_ = ::open(utf8Path.c_str(), O_RDWR | O_CLOEXEC);
    return fd_ >= 0;
}

void SectorFile::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool SectorFile::Commit(std::span<const std::uint8_t> image, std::size_t from) {
    if (fd_ < 0) {
        return false;
    }
    std::size_t offset = from;
    while (offset < image.size()) {
        const ssize_t written =
            ::pwrite(fd_, image.data() + offset, image.size() - offset, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        offset += static_cast<std::size_t>(written);
    }
    return ::ftruncate(fd_, static_cast<off_t>(image.size())) == 0;
}

}  // namespace terrovane::xls

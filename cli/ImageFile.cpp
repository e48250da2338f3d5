#include "ImageFile.h"

#include <sys/stat.h>

#include <algorithm>

#include "RegularFile.h"

namespace terrovane::cli {
namespace {

// What kind of thing a refused path is, for a message that says more than "not a regular file".
std::string KindOf(const std::string& path) {
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0)
        return {};
    if (S_ISDIR(entry.st_mode))
        return "a folder";
    if (S_ISFIFO(entry.st_mode))
        return "a FIFO (named pipe)";
    if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        return "a device";
    if (S_ISSOCK(entry.st_mode))
        return "a socket";
    return {};
}

}  // namespace

bool ReadImageFile(const std::string& path, record::ReadOutBuffer& buffer, std::string& error) {
    // One byte more than an image, so a longer file is told from one of the right size.
    const auto file = platform::ReadRegularFile(path, buffer.size() + 1, platform::Links::Follow);
    if (file.status == platform::FileStatus::Refused) {
        const std::string kind = KindOf(path);
        error = kind.empty() ? file.error : path + ": is " + kind + ", not a read-out image";
        return false;
    }
    if (file.status != platform::FileStatus::Read) {
        error = file.error;
        return false;
    }
    if (file.size != buffer.size() || file.bytes.size() != buffer.size()) {
        // The size when opened; a file that changed while it was read is told by the bytes actually read.
        const std::uint64_t found = file.size != buffer.size() ? file.size : file.bytes.size();
        error = path + ": not a read-out image: a 7200-byte file expected, " + std::to_string(found) +
                " bytes found";
        return false;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    return true;
}

}  // namespace terrovane::cli

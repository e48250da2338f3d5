#include "ImageFile.h"

#include <sys/stat.h>

#include <algorithm>

#include "CliText.h"
#include "RegularFile.h"

namespace terrovane::cli {
namespace {

// Why a path that is no plain file was refused, for a message that says more than "not a regular file";
// empty when it is none of these.
QString KindRefusal(const std::string& path) {
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0)
        return {};
    const QString name = Given(path);
    if (S_ISDIR(entry.st_mode))
        return CliText::tr("%1: is a folder, not a read-out image").arg(name);
    if (S_ISFIFO(entry.st_mode))
        return CliText::tr("%1: is a FIFO (named pipe), not a read-out image").arg(name);
    if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        return CliText::tr("%1: is a device, not a read-out image").arg(name);
    if (S_ISSOCK(entry.st_mode))
        return CliText::tr("%1: is a socket, not a read-out image").arg(name);
    return {};
}

}  // namespace

bool ReadImageFile(const std::string& path, record::ReadOutBuffer& buffer, QString& error) {
    // One byte more than an image, so a longer file is told from one of the right size.
    const auto file = platform::ReadRegularFile(path, buffer.size() + 1, platform::Links::Follow);
    if (file.status == platform::FileStatus::Refused) {
        const QString kind = KindRefusal(path);
        error = kind.isEmpty() ? Given(file.error) : kind;
        return false;
    }
    if (file.status != platform::FileStatus::Read) {
        error = Given(file.error);
        return false;
    }
    if (file.size != buffer.size() || file.bytes.size() != buffer.size()) {
        // The size when opened; a file that changed while it was read is told by the bytes actually read.
        const std::uint64_t found = file.size != buffer.size() ? file.size : file.bytes.size();
        error = CliText::tr("%1: not a read-out image: a 7200-byte file expected, %2 bytes found")
                    .arg(Given(path), QString::number(found));
        return false;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    return true;
}

}  // namespace terrovane::cli

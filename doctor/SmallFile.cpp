#include "SmallFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace terrovane::doctor {

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so that opening a FIFO planted where a file belongs returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }
    // sysfs reports a nominal size, so read up to the bound rather than st_size.
    std::string content;
    char chunk[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, chunk, sizeof chunk)) > 0 && content.size() <= maxBytes)
        content.append(chunk, static_cast<std::size_t>(got));
    ::close(fd);
    if (got < 0 || content.size() > maxBytes)
        return std::nullopt;
    return content;
}

std::string ReadAttribute(const std::string& path) {
    std::string text = ReadSmallFile(path, 64 * 1024).value_or(std::string());
    const auto end = text.find('\n');
    if (end != std::string::npos)
        text.resize(end);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\t'))
        text.pop_back();
    return text;
}

}  // namespace terrovane::doctor

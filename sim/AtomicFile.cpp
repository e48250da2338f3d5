#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace terrovane::sim {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string& error) {
    const std::string temporary = path + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = temporary + ": " + std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += static_cast<std::size_t>(written);
    }
    const bool complete = done == content.size() && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!complete || ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(complete ? errno : savedErrno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace terrovane::sim

#include "DirectoryWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>

namespace terrovane::platform {

DirectoryWatch::DirectoryWatch(const std::vector<std::string>& folders)
    : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0) {
        return;
    }
    constexpr std::uint32_t kEntryEvents =
        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const std::string& folder : folders) {
        watching_ |= ::inotify_add_watch(fd_, folder.c_str(), kEntryEvents | IN_ONLYDIR) >= 0;
    }
}

DirectoryWatch::~DirectoryWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool DirectoryWatch::Changed() {
    if (fd_ < 0) {
        return true;
    }
    bool changed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count > 0) {
            changed = true;
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        // EAGAIN: drained. An overflowed queue still read as "something changed" above.
        return changed;
    }
}

}  // namespace terrovane::platform

#include "DirectoryWatch.h"

#include <sys/inotify.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace terrovane::platform {
namespace {

// Only the application's thread opens scopes and only it reads this with a notice; others see false.
std::atomic<int> loopNoticeScopes{0};

bool OnApplicationThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && app->thread() == QThread::currentThread();
}

}  // namespace

LoopNoticeScope::LoopNoticeScope() {
    loopNoticeScopes.fetch_add(1, std::memory_order_relaxed);
}

LoopNoticeScope::~LoopNoticeScope() {
    loopNoticeScopes.fetch_sub(1, std::memory_order_relaxed);
}

DirectoryWatch::DirectoryWatch(const std::vector<std::string>& folders, Events events)
    : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0) {
        return;
    }
    constexpr std::uint32_t kEntryEvents =
        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
    constexpr std::uint32_t kContentEvents = IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE;
    const std::uint32_t mask = events == Events::Entries ? kEntryEvents : kEntryEvents | kContentEvents;
    for (const std::string& folder : folders) {
        watching_ |= ::inotify_add_watch(fd_, folder.c_str(), mask | IN_ONLYDIR) >= 0;
    }
}

DirectoryWatch::~DirectoryWatch() {
    delete notice_.data();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

// A watched folder that was removed or moved away reports nothing more: from then on the caller looks
// for itself.
void DirectoryWatch::ForgetGoneFolders(const char* buffer, std::size_t size) {
    for (std::size_t offset = 0; offset + sizeof(inotify_event) <= size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
        if ((event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_Q_OVERFLOW)) != 0) {
            watching_ = false;
        }
        offset += sizeof(inotify_event) + event->len;
    }
}

bool DirectoryWatch::Changed() {
    if (fd_ < 0) {
        return true;
    }
    return MayHaveNews() && Drain();
}

// The notice exists once a tick from the loop has asked; until it speaks, nothing came.
bool DirectoryWatch::Quiet() const {
    return fd_ >= 0 && watching_ && notice_ != nullptr && !noticed_;
}

// The notice is level-triggered: it rests once it has spoken, and wakes again once the news is read, so
// news waiting for the next tick does not spin the loop.
bool DirectoryWatch::MayHaveNews() {
    if (loopNoticeScopes.load(std::memory_order_relaxed) == 0 || !watching_ || !OnApplicationThread()) {
        return true;
    }
    if (notice_ == nullptr) {
        notice_ = new QSocketNotifier(fd_, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notice_, &QSocketNotifier::activated, notice_, [this] {
            noticed_ = true;
            notice_->setEnabled(false);
        });
        noticed_ = true;  // news from before the notice began
    }
    if (!noticed_) {
        return false;
    }
    noticed_ = false;
    notice_->setEnabled(true);
    return true;
}

bool DirectoryWatch::Drain() {
    bool changed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count > 0) {
            changed = true;
            ForgetGoneFolders(buffer, static_cast<std::size_t>(count));
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

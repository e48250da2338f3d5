#pragma once

#include <QPointer>
#include <cstddef>
#include <string>
#include <vector>

class QSocketNotifier;

namespace terrovane::platform {

// Tells whether entries were added to, removed from or renamed in some folders (and, when asked to, whether
// a file in them was written) since it was last asked, for the price of one non-blocking read (inotify).
// Folders that cannot be watched (absent, or a file system that reports nothing, such as sysfs) are simply
// not watched. Without inotify at all, Working() is false and the caller must look by itself.
//
// Inside a LoopNoticeScope on the application's thread, Changed() takes the event loop's word instead:
// the loop already polls the watch for every wake-up, so a tick with no news makes no system call.
class DirectoryWatch {
  public:
    enum class Events { Entries, EntriesAndContents };

    explicit DirectoryWatch(const std::vector<std::string>& folders,
                            Events events = Events::EntriesAndContents);
    ~DirectoryWatch();
    DirectoryWatch(const DirectoryWatch&) = delete;
    DirectoryWatch& operator=(const DirectoryWatch&) = delete;

    bool Working() const { return fd_ >= 0 && watching_; }
    // True when anything changed in a watched folder since the last call; drains the news.
    bool Changed();
    // True when the event loop stands watch and has seen no news since the last Changed(): a caller may then
    // take "nothing changed" without reading. False when it cannot tell, so the caller must ask.
    bool Quiet() const;

  private:
    void ForgetGoneFolders(const char* buffer, std::size_t size);
    bool Drain();
    // True when the loop may hold news this watch has not read: always, unless its notice stands watch.
    bool MayHaveNews();

    int fd_ = -1;
    bool watching_ = false;
    QPointer<QSocketNotifier> notice_;  // a child of the application: gone with it
    bool noticed_ = true;
};

// While one lives, watches on the application's thread trust the event loop to tell them of news. Only a
// caller that the loop itself drives (a timer's tick) may open one: a caller that changes a folder and
// looks straight after, with no loop turn between, must read the watch itself.
class LoopNoticeScope {
  public:
    LoopNoticeScope();
    ~LoopNoticeScope();
    LoopNoticeScope(const LoopNoticeScope&) = delete;
    LoopNoticeScope& operator=(const LoopNoticeScope&) = delete;
};

}  // namespace terrovane::platform

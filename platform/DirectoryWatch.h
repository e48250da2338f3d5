#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace terrovane::platform {

// Tells whether entries were added to, removed from or renamed in some folders (and, when asked to, whether
// a file in them was written) since it was last asked, for the price of one non-blocking read (inotify).
// Folders that cannot be watched (absent, or a file system that reports nothing, such as sysfs) are simply
// not watched. Without inotify at all, Working() is false and the caller must look by itself.
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

  private:
    void ForgetGoneFolders(const char* buffer, std::size_t size);

    int fd_ = -1;
    bool watching_ = false;
};

}  // namespace terrovane::platform

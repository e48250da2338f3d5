#pragma once

#include <sys/resource.h>

#include <csignal>
#include <string>

namespace terrovane::testing {

// A small tmpfs mounted for the test (possible only as root; Mounted() is false otherwise), so a writer
// can be made to meet a full disk. Unmounted when the object ends.
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& mountPoint, int kilobytes = 256);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    // Takes every free byte with a filler file, so the next write of any size fails.
    void Fill() const;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    bool mounted_ = false;
};

// A limit on the size of files this process (and every process it starts from now on) may write, with
// SIGXFSZ ignored so that a write beyond it fails with EFBIG instead of ending the writer. Both are put
// back when the object ends.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

// A shell command line that runs `command` with the file size limit and SIGXFSZ ignored.
std::string UnderFileSizeLimit(const std::string& command, int blocksOf512);

// The names in a folder, sorted.
std::string FolderListing(const std::string& dir);

}  // namespace terrovane::testing

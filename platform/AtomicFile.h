#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace terrovane::platform {

// A file written whole before it replaces anything: the bytes go to a fresh temporary file in the target's
// folder, and only once every write, the flush to disk and the close have succeeded is it renamed over the
// target. Until then, and after any failure, the target is exactly what it was. A new file gets the
// permissions the umask allows; a replaced file keeps its mode. A target that is a symbolic link or not a
// regular file is refused, never followed.
class AtomicFile {
  public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();  // removes the temporary file when it was never committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the temporary file. False with Error() set.
    bool Open();
    // A path naming the open temporary file itself, for writers that only take a path: opening it reaches
    // this very file, whatever happens to names in the folder meanwhile.
    std::string DescriptorPath() const;
    // Writes all bytes at the current end. False with Error() set.
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and renames the temporary file over the target. False with Error() set.
    bool Commit();
    // Records a failure of a writer that used DescriptorPath(); errno gives the reason when it is set.
    void Fail(int savedErrno);

    // "<path>: <reason>" after a failure, and the reason alone.
    const std::string& Error() const { return error_; }
    const std::string& Reason() const { return reason_; }
    // True when a file was at the path before (so a failure left an earlier file in place).
    bool ReplacesAFile() const { return replaces_; }
    const std::string& Path() const { return path_; }

  private:
    bool Refuse(const std::string& reason);
    bool CheckTarget();
    void Discard();

    std::string path_;
    std::string temporary_;
    std::string error_;
    std::string reason_;
    int fd_ = -1;
    bool replaces_ = false;
    unsigned mode_ = 0;  // the replaced file's permission bits
};

// Writes `content` as the whole new file at `path` (see AtomicFile). False, with error "<path>: <reason>",
// when it cannot; the file at the path is then unchanged.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

}  // namespace terrovane::platform

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace terrovane::platform {

// Whether a symbolic link at the path itself is followed (a file the user named) or refused (a file in a
// folder another program or user might reach into).
enum class Links { Follow, Refuse };

enum class FileStatus {
    Read,     // a regular file; `bytes` holds its first bytes
    Missing,  // nothing at the path
    Refused,  // a symbolic link (when refused), a folder, a FIFO, a device: never opened for reading
    Failed,   // could not be opened or read
};

struct FileContent {
    FileStatus status = FileStatus::Failed;
    std::uint64_t size = 0;  // the file's size when it was opened
    std::string bytes;       // at most the maximum asked for
    std::string error;       // "<path>: <reason>" unless Read
};

// Reads the first `maxBytes` bytes of a regular file (to its end, whatever size it reports; ask for one
// byte more than allowed to tell a file that is too large). The file is opened without blocking and checked
// before anything is read, so a FIFO, a device or an endless file never stalls or floods the caller.
FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes, Links links);

// The same check without reading: Read when the path names a regular file (so a later read may work).
FileContent CheckRegularFile(const std::string& path, Links links);

}  // namespace terrovane::platform

#pragma once

#include <sys/types.h>
#include <optional>
#include <string>
#include <string_view>

namespace terrovane::link {

// A process that has a serial device in use.
struct PortHolder {
    pid_t pid = 0;
    std::string name;  // its command name, as /proc/<pid>/comm gives it
};

// The process that holds a whole-file lock (flock) on the file (filesystem device, inode), read from
// the text of /proc/locks; nullopt when none does.
std::optional<pid_t> FlockHolderIn(std::string_view locks, dev_t fileSystem, ino_t inode);

// Who keeps `devicePath` busy, as far as /proc shows it: the owner of its lock, else another process with
// the device open (the /proc/<pid>/fd links). nullopt when neither is visible (another user's process).
std::optional<PortHolder> FindPortHolder(const std::string& devicePath);

// "terrovane-cli (pid 4242)".
std::string DescribeHolder(const PortHolder& holder);

// What to do about a holder, said after its name when a port is refused. The main window holds the port
// only during a command, and on purpose after the user cancelled its clock or erase question, until its
// next command: it says so, and how to free the port.
std::string HolderAdvice(const PortHolder& holder);

}  // namespace terrovane::link

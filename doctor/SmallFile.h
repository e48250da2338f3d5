#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace terrovane::doctor {

// The content of a regular file of at most maxBytes (sysfs attributes, account files, udev rules); nothing
// for anything else (missing, a directory, a FIFO, too large) so a strange tree never hangs or floods a
// check.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes = 1 << 20);

// The first line of a small file without its line end and trailing blanks; empty when it cannot be read.
std::string ReadAttribute(const std::string& path);

}  // namespace terrovane::doctor

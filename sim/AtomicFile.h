#pragma once

#include <optional>
#include <string>

namespace terrovane::sim {

// The whole content of a file, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces a file's content in one step (a temporary file in the same folder, then a rename), so a reader
// polling the file never sees half of it. False, with error set, when it cannot.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string& error);

}  // namespace terrovane::sim

#pragma once

#include <optional>
#include <string>

namespace terrovane::platform {

// The folder through which the main program hands its records to the print service and the print
// service keeps its header texts: $TERROVANE_HANDOFF_DIR when set, else the per-user data folder
// ".../Terrovane". Created (mode 0700) when missing. Returns the path without a trailing slash.
// A folder that belongs to another user or that group or others may write to is refused (nullopt, with
// `error` naming the folder and the fix): whoever can write there could plant the files both programs
// read and replace.
std::optional<std::string> HandoffDir(std::string* error = nullptr);

// HandoffDir() + "/" + fileName, or nullopt as HandoffDir.
std::optional<std::string> HandoffPath(const std::string& fileName, std::string* error = nullptr);

}  // namespace terrovane::platform

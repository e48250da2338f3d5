#pragma once

#include <string>

namespace terrovane::platform {

// The folder through which the main program hands its records to the print service and the print
// service keeps its header texts: $TERROVANE_HANDOFF_DIR when set, else the per-user data folder
// ".../Terrovane". Created (mode 0700) when missing. Returns the path without a trailing slash.
std::string HandoffDir();

// HandoffDir() + "/" + fileName.
std::string HandoffPath(const std::string& fileName);

}  // namespace terrovane::platform

#pragma once

namespace terrovane::format {

// The messages of commands that need read-out data, shared by the link, the display and the output
// commands (note the full-width comma).
inline constexpr const char* kNoDataReadFirst = "No data，please read firstly";
inline constexpr const char* kNoData = "No data";

}  // namespace terrovane::format

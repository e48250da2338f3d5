#pragma once

#include <cstdint>
#include <string>

namespace terrovane::format {

// The measuring method's name as written in the workbook's "Mode" column (UTF-8); two spaces when the
// mode code is unknown.
std::string ModeName(std::uint32_t mode);

}  // namespace terrovane::format

#pragma once

#include <string>
#include <string_view>

namespace terrovane::xls {

// Paths and texts cross between UTF-8 (the narrow forms and the file system) and UTF-16 (the container's
// names and wide cell texts). Conversion does not depend on the process locale, so a path with Chinese
// characters works under any locale. Malformed input becomes U+FFFD instead of being dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace terrovane::xls

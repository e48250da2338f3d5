#pragma once

#include <string>
#include <string_view>

namespace terrovane::archive {

// The text with every byte sequence that is not well-formed UTF-8 replaced by U+FFFD, so what a user typed
// on a terminal in another encoding cannot make the archive's CSV or JSON unreadable.
std::string ValidUtf8(std::string_view text);

}  // namespace terrovane::archive

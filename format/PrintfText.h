#pragma once

#include <cstdio>
#include <string>

namespace terrovane::format::detail {

// printf into a string of whatever length the value needs (huge floats print many digits).
template <typename... Args>
std::string PrintfText(const char* format, Args... args) {
    char small[32];
    const int length = std::snprintf(small, sizeof small, format, args...);
    if (length < 0)
        return {};
    if (static_cast<std::size_t>(length) < sizeof small)
        return std::string(small, length);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace terrovane::format::detail

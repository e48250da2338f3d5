#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

namespace terrovane::format::detail {

// printf of whole numbers (dates, times, zero-padded fields) into a string. Only integers: printf
// writes a floating-point value with the decimal separator of the process's locale, so those go through
// the numbers module.
template <typename... Args>
std::string PrintfText(const char* format, Args... args) {
    static_assert((std::is_integral_v<Args> && ...), "floating-point values are written by numbers::Fixed");
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

#pragma once

#include <cstddef>
#include <string>

namespace terrovane::archive {

// The number written by `count` digits of a stored date from `from` on; false at anything but a digit.
// Plain arithmetic: the due lists read a date for every one of their points.
inline bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace terrovane::archive

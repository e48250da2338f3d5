#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace terrovane::xls {

// The key of a text in the shared string table's lookup. It only places texts in the lookup and never
// reaches the file, so it reads eight bytes at a time instead of one. 8-bit and UTF-16 texts hash apart.
inline std::uint32_t HashBytes(const void* data, std::size_t size, std::uint64_t seed) {
    constexpr std::uint64_t kMix = 0xBF58476D1CE4E5B9ull;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint64_t hash = seed ^ (size * 0x9E3779B97F4A7C15ull);
    for (; size >= 8; size -= 8, bytes += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        hash = (hash ^ word) * kMix;
        hash ^= hash >> 31;
    }
    if (size > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, size);
        hash = (hash ^ word) * kMix;
        hash ^= hash >> 31;
    }
    hash *= 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 29) ^ (hash >> 32));
}

inline std::uint32_t TextHashOf(std::string_view text) {
    return HashBytes(text.data(), text.size(), 0x6E6172726F77ull);
}

inline std::uint32_t TextHashOf(std::u16string_view text) {
    return HashBytes(text.data(), 2 * text.size(), 0x77696465ull);
}

}  // namespace terrovane::xls

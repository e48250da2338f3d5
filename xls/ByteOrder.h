#pragma once

#include <cstdint>
#include <cstring>

namespace terrovane::xls {

// Little-endian field writers and readers for the file formats; every multi-byte field on disk is LE.
inline void PutU8(std::uint8_t* at, std::uint8_t value) {
    at[0] = value;
}

inline void PutU16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void PutI32(std::uint8_t* at, std::int32_t value) {
    PutU32(at, static_cast<std::uint32_t>(value));
}

inline void PutF64(std::uint8_t* at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

inline std::uint16_t GetU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::uint32_t GetU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

inline std::int32_t GetI32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(GetU32(at));
}

inline double GetF64(const std::uint8_t* at) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    }
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace terrovane::xls

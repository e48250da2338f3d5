#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ScratchFolder.h"

// Builds expected byte images field by field, little-endian, as the file formats lay them out.
namespace terrovane::xls::golden {

using Bytes = std::vector<std::uint8_t>;

inline void U8(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
}
inline void U16(Bytes& b, unsigned v) {
    U8(b, v & 0xFF), U8(b, (v >> 8) & 0xFF);
}
inline void U32(Bytes& b, std::uint32_t v) {
    U16(b, v & 0xFFFF), U16(b, v >> 16);
}
inline void Zeros(Bytes& b, std::size_t n) {
    b.insert(b.end(), n, 0);
}
inline void Ascii(Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}
inline void Wide(Bytes& b, const std::string& s) {
    for (char c : s) {
        U16(b, static_cast<unsigned char>(c));
    }
}
inline void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

inline Bytes Record(unsigned code, const Bytes& payload) {
    Bytes r;
    U16(r, code), U16(r, static_cast<unsigned>(payload.size()));
    Append(r, payload);
    return r;
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::filesystem::path TempPath(const std::string& name) {
    return testing::ScratchFolder() / name;
}

// A container header with the given counts and starts; `fatSectors` fills the DIFAT slots.
inline Bytes Header(std::uint32_t fatCount, std::int32_t firstMiniFat, std::uint32_t miniFatCount,
                    const std::vector<std::int32_t>& fatSectors) {
    Bytes h = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    Zeros(h, 16);
    U16(h, 0x3B), U16(h, 3), U16(h, 0xFFFE), U16(h, 9), U32(h, 6), U32(h, 0), U32(h, 0), U32(h, fatCount);
    U32(h, 1), U32(h, 0), U32(h, 4096), U32(h, static_cast<std::uint32_t>(firstMiniFat)),
        U32(h, miniFatCount);
    U32(h, 0xFFFFFFFE), U32(h, 0);
    for (std::size_t i = 0; i < 109; ++i) {
        U32(h, i < fatSectors.size() ? static_cast<std::uint32_t>(fatSectors[i]) : 0xFFFFFFFF);
    }
    return h;
}

// A 512-byte table sector of 32-bit entries, the rest free.
inline Bytes TableSector(const std::vector<std::int32_t>& entries) {
    Bytes s;
    for (std::size_t i = 0; i < 128; ++i) {
        U32(s, i < entries.size() ? static_cast<std::uint32_t>(entries[i]) : 0xFFFFFFFF);
    }
    return s;
}

inline Bytes DirectoryEntry(const std::string& name, unsigned type, std::int32_t left, std::int32_t right,
                            std::int32_t child, std::int32_t start, std::uint32_t size) {
    Bytes e;
    Wide(e, name);
    Zeros(e, 64 - 2 * name.size());
    U16(e, static_cast<unsigned>(2 * name.size() + 2)), U8(e, type), U8(e, 1);
    U32(e, static_cast<std::uint32_t>(left)), U32(e, static_cast<std::uint32_t>(right));
    U32(e, static_cast<std::uint32_t>(child));
    Zeros(e, 16 + 4 + 16);
    U32(e, static_cast<std::uint32_t>(start)), U32(e, size), U32(e, 0);
    return e;
}

}  // namespace terrovane::xls::golden

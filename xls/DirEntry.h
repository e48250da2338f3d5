#pragma once

#include <cstdint>
#include <string>

#include "StorageHeader.h"

namespace terrovane::xls {

enum class EntryType : std::uint8_t { Storage = 1, Stream = 2, Root = 5 };

// One 128-byte directory entry. Every entry is written black; no red nodes are used.
struct DirEntry {
    static constexpr std::size_t kSize = 128;
    static constexpr std::size_t kMaxNameUnits = 31;

    std::u16string name;
    EntryType type = EntryType::Storage;
    std::int32_t left = kFreeSector;
    std::int32_t right = kFreeSector;
    std::int32_t child = kFreeSector;
    std::int32_t start = kEndOfChain;
    std::uint32_t size = 0;

    std::uint16_t NameLength() const { return static_cast<std::uint16_t>(2 * name.size() + 2); }
    void Write(std::uint8_t* out) const;
};

}  // namespace terrovane::xls

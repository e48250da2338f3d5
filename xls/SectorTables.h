#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "StorageHeader.h"

namespace terrovane::xls {

constexpr std::size_t kSectorSize = 512;
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::size_t kMiniStreamCutoff = 4096;
constexpr std::size_t kEntriesPerFatSector = kSectorSize / 4;

// The compound document's allocation tables and its file image, shared by the parts that claim, move and
// fill sectors. The image is the header followed by every sector.
struct SectorTables {
    StorageHeader header;
    std::vector<std::int32_t> fat;
    std::vector<std::int32_t> miniFat;
    std::vector<std::int32_t> difat;         // every FAT sector in order
    std::vector<std::int32_t> difatSectors;  // sectors continuing the DIFAT beyond the header's 109 slots
    std::vector<std::uint8_t> image;

    std::size_t SectorCount() const { return image.size() / kSectorSize - 1; }
    std::uint8_t* Sector(std::int32_t s) {
        return image.data() + (static_cast<std::size_t>(s) + 1) * kSectorSize;
    }
    // Empties every table; their memory stays for the next file.
    void Clear() {
        header = StorageHeader{};
        fat.clear();
        miniFat.clear();
        difat.clear();
        difatSectors.clear();
        image.clear();
    }
};

}  // namespace terrovane::xls

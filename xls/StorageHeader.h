#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace terrovane::xls {

// Sector chain markers shared by the FAT and the mini FAT.
constexpr std::int32_t kFreeSector = -1;
constexpr std::int32_t kEndOfChain = -2;
constexpr std::int32_t kFatSector = -3;
constexpr std::int32_t kDifatSector = -4;

// The 512-byte container header (major version 3). Counts and starts change as the file grows.
struct StorageHeader {
    static constexpr std::size_t kSize = 512;
    static constexpr std::size_t kHeaderDifatSlots = 109;

    std::uint16_t minorVersion = 0x003B;
    std::uint16_t majorVersion = 3;
    std::uint16_t sectorShift = 9;
    std::uint32_t miniSectorShift = 6;
    std::uint32_t directorySectorCount = 0;
    std::uint32_t fatSectorCount = 1;
    std::int32_t firstDirectorySector = 1;
    std::uint32_t miniStreamCutoff = 4096;
    std::int32_t firstMiniFatSector = kEndOfChain;
    std::uint32_t miniFatSectorCount = 0;
    std::int32_t firstDifatSector = kEndOfChain;
    std::uint32_t difatSectorCount = 0;

    std::size_t SectorSize() const { return std::size_t{1} << sectorShift; }
    std::size_t MiniSectorSize() const { return std::size_t{1} << miniSectorShift; }

    // Serialises field by field; `difat` lists every FAT sector, the first 109 go into the header.
    void Write(std::uint8_t* out, const std::vector<std::int32_t>& difat) const;
};

}  // namespace terrovane::xls

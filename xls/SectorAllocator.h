#pragma once

#include <cstdint>
#include <vector>

#include "DirEntry.h"
#include "SectorTables.h"

namespace terrovane::xls {

// The sector allocator of the compound document: claims sectors and mini sectors, grows the FAT, the
// DIFAT and the mini FAT as they fill, and cuts freed sectors out of the image so the file never keeps a
// hole. Every sector number stored anywhere follows when sectors move: the tables, the directory entries'
// starts and the chain starts a caller holds while sectors move.
class SectorAllocator {
  public:
    SectorAllocator(SectorTables& tables, std::vector<DirEntry>& entries)
        : tables_(tables), entries_(entries) {}
    SectorAllocator(const SectorAllocator&) = delete;
    SectorAllocator& operator=(const SectorAllocator&) = delete;

    void Reset() { claimFrom_ = 0; }
    std::int32_t ClaimSector();
    std::int32_t ClaimMiniSector();
    void RemoveSectors(std::vector<std::int32_t> sectors);
    // Removes sectors while the caller holds a chain start; returns that start where it now lies.
    std::int32_t RemoveSectorsKeeping(std::vector<std::int32_t> sectors, std::int32_t start);

  private:
    void EnsureSector(std::int32_t s, std::uint8_t fill = 0);
    void GrowFat();
    void GrowMiniFat();
    void InsertSector(std::int32_t position, std::uint8_t fill, std::int32_t fatEntry);
    void CutSectors(const std::vector<std::int32_t>& sorted);
    template <typename Map>
    void RenumberSectors(Map map);

    SectorTables& tables_;
    std::vector<DirEntry>& entries_;
    std::vector<std::int32_t> trackedStarts_;  // chain starts held by callers while sectors move
    std::size_t claimFrom_ = 0;                // no free FAT entry lies below this one
};

}  // namespace terrovane::xls

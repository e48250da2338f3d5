#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "DirEntry.h"
#include "SectorAllocator.h"
#include "SectorTables.h"

namespace terrovane::xls {

// Streams as chains of sectors, or of mini sectors inside the root's mini stream for streams under the
// cutoff: reading a chain, and rewriting one to a new length, claiming or freeing sectors as needed.
class SectorChains {
  public:
    SectorChains(SectorTables& tables, std::vector<DirEntry>& entries, SectorAllocator& allocator)
        : tables_(tables), entries_(entries), allocator_(allocator) {}
    SectorChains(const SectorChains&) = delete;
    SectorChains& operator=(const SectorChains&) = delete;

    // Each returns the chain's start, which may differ from the one passed in.
    std::int32_t WriteChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start);
    std::int32_t WriteMiniChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start);

  private:
    static std::vector<std::int32_t> Chain(const std::vector<std::int32_t>& table, std::int32_t start);
    std::vector<std::uint8_t> ReadChain(std::int32_t start);
    void RemoveMiniSectors(std::vector<std::int32_t> miniSectors);
    template <typename Map>
    void RenumberMiniSectors(Map map);

    SectorTables& tables_;
    std::vector<DirEntry>& entries_;
    SectorAllocator& allocator_;
    std::vector<std::int32_t> trackedMiniStarts_;  // mini chain starts held while mini sectors move
};

}  // namespace terrovane::xls

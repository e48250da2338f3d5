#include "SectorAllocator.h"

#include <algorithm>
#include <cstring>

namespace terrovane::xls {
namespace {

// How far a sector number moves down when the sorted `removed` sectors are cut out below it.
std::int32_t LoweredSectorNumber(std::int32_t number, const std::vector<std::int32_t>& removed) {
    if (number < 0) {
        return number;
    }
    const auto below = std::lower_bound(removed.begin(), removed.end(), number) - removed.begin();
    return number - static_cast<std::int32_t>(below);
}

bool TableEndsInFreeSector(const std::vector<std::int32_t>& table, std::size_t count) {
    if (table.size() < count) {
        return false;
    }
    return std::all_of(table.end() - static_cast<std::ptrdiff_t>(count), table.end(),
                       [](std::int32_t entry) { return entry == kFreeSector; });
}

}  // namespace

void SectorAllocator::EnsureSector(std::int32_t s, std::uint8_t fill) {
    const std::size_t wanted = (static_cast<std::size_t>(s) + 2) * kSectorSize;
    if (tables_.image.size() < wanted) {
        tables_.image.resize(wanted, fill);
    }
}

std::int32_t SectorAllocator::ClaimSector() {
    for (;;) {
        for (std::size_t i = claimFrom_; i < tables_.fat.size(); ++i) {
            if (tables_.fat[i] == kFreeSector) {
                tables_.fat[i] = kEndOfChain;
                claimFrom_ = i + 1;
                EnsureSector(static_cast<std::int32_t>(i));
                return static_cast<std::int32_t>(i);
            }
        }
        claimFrom_ = tables_.fat.size();
        GrowFat();
    }
}

std::int32_t SectorAllocator::ClaimMiniSector() {
    for (;;) {
        const auto free = std::find(tables_.miniFat.begin(), tables_.miniFat.end(), kFreeSector);
        if (free != tables_.miniFat.end()) {
            *free = kEndOfChain;
            return static_cast<std::int32_t>(free - tables_.miniFat.begin());
        }
        GrowMiniFat();
    }
}

// A full FAT means every sector it reaches is in use, so the new FAT sector is the file's next sector.
void SectorAllocator::GrowFat() {
    const auto n = static_cast<std::int32_t>(tables_.fat.size());
    EnsureSector(n, 0xFF);
    tables_.fat.resize(tables_.fat.size() + kEntriesPerFatSector, kFreeSector);
    tables_.fat[n] = kFatSector;
    tables_.difat.push_back(n);
    // Beyond the header's 109 slots the DIFAT continues in sectors of 127 entries and a next link.
    constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
    if (tables_.difat.size() >
        StorageHeader::kHeaderDifatSlots + kPerDifatSector * tables_.difatSectors.size()) {
        const std::int32_t difat = ClaimSector();
        tables_.fat[difat] = kDifatSector;
        std::memset(tables_.Sector(difat), 0xFF, kSectorSize);
        tables_.difatSectors.push_back(difat);
    }
}

void SectorAllocator::GrowMiniFat() {
    if (tables_.miniFat.empty()) {
        tables_.header.firstMiniFatSector = ClaimSector();
        std::memset(tables_.Sector(tables_.header.firstMiniFatSector), 0xFF, kSectorSize);
    } else {
        const auto last =
            tables_.header.firstMiniFatSector + static_cast<std::int32_t>(tables_.miniFat.size() / 128) - 1;
        InsertSector(last + 1, 0xFF, kEndOfChain);
        tables_.fat[last] = last + 1;
    }
    tables_.miniFat.resize(tables_.miniFat.size() + kEntriesPerFatSector, kFreeSector);
}

template <typename Map>
void SectorAllocator::RenumberSectors(Map map) {
    for (auto& s : tables_.difat) {
        s = map(s);
    }
    for (auto& s : tables_.difatSectors) {
        s = map(s);
    }
    tables_.header.firstMiniFatSector = map(tables_.header.firstMiniFatSector);
    for (auto& e : tables_.fat) {
        e = map(e);
    }
    for (auto& s : trackedStarts_) {
        s = map(s);
    }
    entries_[0].start = map(entries_[0].start);
    for (auto& e : entries_) {
        if (e.type == EntryType::Stream && e.size >= kMiniStreamCutoff) {
            e.start = map(e.start);
        }
    }
}

void SectorAllocator::InsertSector(std::int32_t position, std::uint8_t fill, std::int32_t fatEntry) {
    if (tables_.fat.back() != kFreeSector) {
        GrowFat();
    }
    RenumberSectors([position](std::int32_t s) { return s >= position ? s + 1 : s; });
    tables_.fat.insert(tables_.fat.begin() + position, fatEntry);
    tables_.fat.pop_back();
    const auto at = tables_.image.begin() + (static_cast<std::ptrdiff_t>(position) + 1) * kSectorSize;
    tables_.image.insert(at, kSectorSize, fill);
    claimFrom_ = 0;
}

// Cuts sectors out of the file and the FAT; later sectors move down and every stored number follows.
void SectorAllocator::CutSectors(const std::vector<std::int32_t>& sorted) {
    std::vector<bool> removed(tables_.fat.size(), false);
    for (auto s : sorted) {
        removed[s] = true;
    }
    for (std::size_t i = 0; i < tables_.fat.size(); ++i) {
        while (!removed[i] && tables_.fat[i] >= 0 && removed[tables_.fat[i]]) {
            tables_.fat[i] = tables_.fat[tables_.fat[i]];
        }
    }
    std::size_t kept = 0;
    const std::size_t sectors = tables_.SectorCount();
    for (std::size_t s = 0; s < sectors; ++s) {
        if (s < removed.size() && removed[s]) {
            continue;
        }
        if (kept != s) {
            std::memmove(tables_.Sector(static_cast<std::int32_t>(kept)),
                         tables_.Sector(static_cast<std::int32_t>(s)), kSectorSize);
        }
        ++kept;
    }
    tables_.image.resize((kept + 1) * kSectorSize);
    std::vector<std::int32_t> table;
    table.reserve(tables_.fat.size());
    for (std::size_t i = 0; i < tables_.fat.size(); ++i) {
        if (!removed[i]) {
            table.push_back(tables_.fat[i]);
        }
    }
    table.resize(tables_.fat.size(), kFreeSector);
    tables_.fat = std::move(table);
    RenumberSectors([&sorted](std::int32_t s) { return LoweredSectorNumber(s, sorted); });
    claimFrom_ = 0;
}

std::int32_t SectorAllocator::RemoveSectorsKeeping(std::vector<std::int32_t> sectors, std::int32_t start) {
    trackedStarts_.push_back(start);
    RemoveSectors(std::move(sectors));
    start = trackedStarts_.back();
    trackedStarts_.pop_back();
    return start;
}

void SectorAllocator::RemoveSectors(std::vector<std::int32_t> sectors) {
    std::sort(sectors.begin(), sectors.end());
    CutSectors(sectors);
    while (tables_.fat.size() > kEntriesPerFatSector &&
           TableEndsInFreeSector(tables_.fat, kEntriesPerFatSector)) {
        tables_.fat.resize(tables_.fat.size() - kEntriesPerFatSector);
        const std::int32_t last = tables_.difat.back();
        tables_.difat.pop_back();
        tables_.fat[last] = kFreeSector;
        CutSectors({last});
        constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
        if (!tables_.difatSectors.empty() &&
            tables_.difat.size() <=
                StorageHeader::kHeaderDifatSlots + kPerDifatSector * (tables_.difatSectors.size() - 1)) {
            const std::int32_t difat = tables_.difatSectors.back();
            tables_.difatSectors.pop_back();
            tables_.fat[difat] = kFreeSector;
            CutSectors({difat});
        }
    }
}

}  // namespace terrovane::xls

#include "SectorChains.h"

#include <algorithm>
#include <cstring>

#include "HugePages.h"

namespace terrovane::xls {
namespace {

std::size_t ChainUnitsFor(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit;
}

// How far a mini sector number moves down when the sorted `removed` ones are cut out below it.
std::int32_t LoweredMiniNumber(std::int32_t number, const std::vector<std::int32_t>& removed) {
    if (number < 0) {
        return number;
    }
    const auto below = std::lower_bound(removed.begin(), removed.end(), number) - removed.begin();
    return number - static_cast<std::int32_t>(below);
}

bool MiniTableEndsInFreeSector(const std::vector<std::int32_t>& table, std::size_t count) {
    if (table.size() < count) {
        return false;
    }
    return std::all_of(table.end() - static_cast<std::ptrdiff_t>(count), table.end(),
                       [](std::int32_t entry) { return entry == kFreeSector; });
}

}  // namespace

std::vector<std::int32_t> SectorChains::Chain(const std::vector<std::int32_t>& table, std::int32_t start) {
    std::vector<std::int32_t> chain;
    for (std::int32_t s = start; s >= 0 && static_cast<std::size_t>(s) < table.size(); s = table[s]) {
        chain.push_back(s);
        if (chain.size() > table.size()) {
            break;  // a cycle; cannot happen in tables this class builds
        }
    }
    return chain;
}

std::vector<std::uint8_t> SectorChains::ReadChain(std::int32_t start) {
    const auto chain = Chain(tables_.fat, start);
    std::vector<std::uint8_t> bytes(chain.size() * kSectorSize);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        std::memcpy(bytes.data() + i * kSectorSize, tables_.Sector(chain[i]), kSectorSize);
    }
    return bytes;
}

std::int32_t SectorChains::WriteChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start) {
    if (count == 0 && start == kEndOfChain) {
        return kEndOfChain;
    }
    auto chain = Chain(tables_.fat, start);
    const std::size_t needed = ChainUnitsFor(count, kSectorSize);
    if (chain.size() > needed) {
        if (needed == 0) {
            start = kEndOfChain;
        } else {
            tables_.fat[chain[needed - 1]] = kEndOfChain;
        }
        start = allocator_.RemoveSectorsKeeping(
            {chain.begin() + static_cast<std::ptrdiff_t>(needed), chain.end()}, start);
        chain = Chain(tables_.fat, start);
    }
    if (needed > chain.size()) {
        // Room for the new sectors and the FAT and DIFAT sectors they bring (one per 128 and one per 127 FAT
        // sectors; a 64th covers both), so the image grows only once.
        const std::size_t more = needed - chain.size();
        const std::size_t fatAndDifat = more / 64 + 8;
        const std::size_t before = tables_.image.size();
        tables_.image.reserve(before + (more + fatAndDifat) * kSectorSize);
        AdviseHugePages(tables_.image.data() + before, (more + fatAndDifat) * kSectorSize);
    }
    std::int32_t previous = kEndOfChain;
    for (std::size_t unit = 0; unit < needed; ++unit) {
        std::int32_t sector;
        if (unit < chain.size()) {
            sector = chain[unit];
        } else {
            sector = allocator_.ClaimSector();
            if (previous == kEndOfChain) {
                start = sector;
            } else {
                tables_.fat[previous] = sector;
            }
        }
        const std::size_t offset = unit * kSectorSize;
        const std::size_t length = std::min(kSectorSize, count - offset);
        std::uint8_t* target = tables_.Sector(sector);
        std::memcpy(target, bytes + offset, length);
        std::memset(target + length, 0, kSectorSize - length);
        previous = sector;
    }
    return start;
}

std::int32_t SectorChains::WriteMiniChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start) {
    if (count == 0 && start == kEndOfChain) {
        return kEndOfChain;
    }
    DirEntry& root = entries_[0];
    if (count > 0 && root.start == kEndOfChain) {
        root.start = allocator_.ClaimSector();
        std::memset(tables_.Sector(root.start), 0, kSectorSize);
        root.size = kSectorSize;
    }
    auto chain = Chain(tables_.miniFat, start);
    const std::size_t needed = ChainUnitsFor(count, kMiniSectorSize);
    if (chain.size() > needed) {
        if (needed == 0) {
            start = kEndOfChain;
        } else {
            tables_.miniFat[chain[needed - 1]] = kEndOfChain;
        }
        trackedMiniStarts_.push_back(start);
        RemoveMiniSectors({chain.begin() + static_cast<std::ptrdiff_t>(needed), chain.end()});
        start = trackedMiniStarts_.back();
        trackedMiniStarts_.pop_back();
        chain = Chain(tables_.miniFat, start);
    }
    if (needed == 0) {
        return start;
    }
    auto stream = ReadChain(entries_[0].start);
    std::int32_t previous = chain.empty() ? kEndOfChain : chain.back();
    while (chain.size() < needed) {
        const std::int32_t mini = allocator_.ClaimMiniSector();
        if (previous == kEndOfChain) {
            start = mini;
        } else {
            tables_.miniFat[previous] = mini;
        }
        chain.push_back(mini);
        previous = mini;
        stream.resize(std::max(stream.size(), (static_cast<std::size_t>(mini) + 1) * kMiniSectorSize), 0);
    }
    const auto used = std::count_if(tables_.miniFat.begin(), tables_.miniFat.end(),
                                    [](auto e) { return e != kFreeSector; });
    entries_[0].size = static_cast<std::uint32_t>(used * kMiniSectorSize);
    stream.resize(entries_[0].size, 0);
    for (std::size_t unit = 0; unit < needed; ++unit) {
        const std::size_t offset = unit * kMiniSectorSize;
        const std::size_t length = std::min(kMiniSectorSize, count - offset);
        std::uint8_t* target = stream.data() + static_cast<std::size_t>(chain[unit]) * kMiniSectorSize;
        std::memcpy(target, bytes + offset, length);
        std::memset(target + length, 0, kMiniSectorSize - length);
    }
    entries_[0].start = WriteChain(stream.data(), stream.size(), entries_[0].start);
    return start;
}

template <typename Map>
void SectorChains::RenumberMiniSectors(Map map) {
    for (auto& e : tables_.miniFat) {
        e = map(e);
    }
    for (auto& s : trackedMiniStarts_) {
        s = map(s);
    }
    for (auto& e : entries_) {
        if (e.type == EntryType::Stream && e.size < kMiniStreamCutoff) {
            e.start = map(e.start);
        }
    }
}

void SectorChains::RemoveMiniSectors(std::vector<std::int32_t> miniSectors) {
    std::sort(miniSectors.begin(), miniSectors.end());
    std::vector<bool> removed(tables_.miniFat.size(), false);
    for (auto s : miniSectors) {
        removed[s] = true;
    }
    const auto old = ReadChain(entries_[0].start);
    const std::size_t units = entries_[0].size / kMiniSectorSize;
    std::vector<std::uint8_t> stream;
    stream.reserve(old.size());
    for (std::size_t k = 0; k < units; ++k) {
        if (k >= removed.size() || !removed[k]) {
            const auto from = old.begin() + static_cast<std::ptrdiff_t>(k * kMiniSectorSize);
            stream.insert(stream.end(), from, from + kMiniSectorSize);
        }
    }
    for (std::size_t i = 0; i < tables_.miniFat.size(); ++i) {
        while (!removed[i] && tables_.miniFat[i] >= 0 && removed[tables_.miniFat[i]]) {
            tables_.miniFat[i] = tables_.miniFat[tables_.miniFat[i]];
        }
    }
    std::vector<std::int32_t> table;
    for (std::size_t i = 0; i < tables_.miniFat.size(); ++i) {
        if (!removed[i]) {
            table.push_back(tables_.miniFat[i]);
        }
    }
    table.resize(tables_.miniFat.size(), kFreeSector);
    tables_.miniFat = std::move(table);
    RenumberMiniSectors([&miniSectors](std::int32_t s) { return LoweredMiniNumber(s, miniSectors); });
    entries_[0].size = static_cast<std::uint32_t>(stream.size());
    entries_[0].start = WriteChain(stream.data(), stream.size(), entries_[0].start);
    while (!tables_.miniFat.empty() && MiniTableEndsInFreeSector(tables_.miniFat, kEntriesPerFatSector)) {
        tables_.miniFat.resize(tables_.miniFat.size() - kEntriesPerFatSector);
        const auto last =
            tables_.header.firstMiniFatSector + static_cast<std::int32_t>(tables_.miniFat.size() / 128);
        if (tables_.miniFat.empty()) {
            tables_.header.firstMiniFatSector = kEndOfChain;
        }
        allocator_.RemoveSectors({last});
    }
}

}  // namespace terrovane::xls

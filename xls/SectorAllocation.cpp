// The sector allocator of the compound document: claims sectors and mini sectors, grows the FAT, the
// DIFAT and the mini FAT as they fill, and cuts freed sectors out of the image so the file never keeps a
// hole. Every sector number stored anywhere follows when sectors move.
#include <algorithm>
#include <cstring>

#include "StorageFile.h"

namespace terrovane::xls {
namespace {

// How far a sector number moves down when the sorted `removed` sectors are cut out below it.
std::int32_t Lowered(std::int32_t number, const std::vector<std::int32_t>& removed) {
    if (number < 0) {
        return number;
    }
    const auto below = std::lower_bound(removed.begin(), removed.end(), number) - removed.begin();
    return number - static_cast<std::int32_t>(below);
}

bool EndsInFreeSector(const std::vector<std::int32_t>& table, std::size_t count) {
    if (table.size() < count) {
        return false;
    }
    return std::all_of(table.end() - static_cast<std::ptrdiff_t>(count), table.end(),
                       [](std::int32_t entry) { return entry == kFreeSector; });
}

}  // namespace

void StorageFile::EnsureSector(std::int32_t s, std::uint8_t fill) {
    const std::size_t wanted = (static_cast<std::size_t>(s) + 2) * kSectorSize;
    if (image_.size() < wanted) {
        image_.resize(wanted, fill);
    }
}

std::int32_t StorageFile::ClaimSector() {
    for (;;) {
        for (std::size_t i = claimFrom_; i < fat_.size(); ++i) {
            if (fat_[i] == kFreeSector) {
                fat_[i] = kEndOfChain;
                claimFrom_ = i + 1;
                EnsureSector(static_cast<std::int32_t>(i));
                return static_cast<std::int32_t>(i);
            }
        }
        claimFrom_ = fat_.size();
        GrowFat();
    }
}

std::int32_t StorageFile::ClaimMiniSector() {
    for (;;) {
        const auto free = std::find(miniFat_.begin(), miniFat_.end(), kFreeSector);
        if (free != miniFat_.end()) {
            *free = kEndOfChain;
            return static_cast<std::int32_t>(free - miniFat_.begin());
        }
        GrowMiniFat();
    }
}

// A full FAT means every sector it reaches is in use, so the new FAT sector is the file's next sector.
void StorageFile::GrowFat() {
    const auto n = static_cast<std::int32_t>(fat_.size());
    EnsureSector(n, 0xFF);
    fat_.resize(fat_.size() + kEntriesPerFatSector, kFreeSector);
    fat_[n] = kFatSector;
    difat_.push_back(n);
    // Beyond the header's 109 slots the DIFAT continues in sectors of 127 entries and a next link.
    constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
    if (difat_.size() > StorageHeader::kHeaderDifatSlots + kPerDifatSector * difatSectors_.size()) {
        const std::int32_t difat = ClaimSector();
        fat_[difat] = kDifatSector;
        std::memset(Sector(difat), 0xFF, kSectorSize);
        difatSectors_.push_back(difat);
    }
}

void StorageFile::GrowMiniFat() {
    if (miniFat_.empty()) {
        header_.firstMiniFatSector = ClaimSector();
        std::memset(Sector(header_.firstMiniFatSector), 0xFF, kSectorSize);
    } else {
        const auto last = header_.firstMiniFatSector + static_cast<std::int32_t>(miniFat_.size() / 128) - 1;
        InsertSector(last + 1, 0xFF, kEndOfChain);
        fat_[last] = last + 1;
    }
    miniFat_.resize(miniFat_.size() + kEntriesPerFatSector, kFreeSector);
}

template <typename Map>
void StorageFile::RenumberSectors(Map map) {
    for (auto& s : difat_) {
        s = map(s);
    }
    for (auto& s : difatSectors_) {
        s = map(s);
    }
    header_.firstMiniFatSector = map(header_.firstMiniFatSector);
    for (auto& e : fat_) {
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

template <typename Map>
void StorageFile::RenumberMiniSectors(Map map) {
    for (auto& e : miniFat_) {
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

void StorageFile::InsertSector(std::int32_t position, std::uint8_t fill, std::int32_t fatEntry) {
    if (fat_.back() != kFreeSector) {
        GrowFat();
    }
    RenumberSectors([position](std::int32_t s) { return s >= position ? s + 1 : s; });
    fat_.insert(fat_.begin() + position, fatEntry);
    fat_.pop_back();
    const auto at = image_.begin() + (static_cast<std::ptrdiff_t>(position) + 1) * kSectorSize;
    image_.insert(at, kSectorSize, fill);
    claimFrom_ = 0;
}

// Cuts sectors out of the file and the FAT; later sectors move down and every stored number follows.
void StorageFile::CutSectors(const std::vector<std::int32_t>& sorted) {
    std::vector<bool> removed(fat_.size(), false);
    for (auto s : sorted) {
        removed[s] = true;
    }
    for (std::size_t i = 0; i < fat_.size(); ++i) {
        while (!removed[i] && fat_[i] >= 0 && removed[fat_[i]]) {
            fat_[i] = fat_[fat_[i]];
        }
    }
    std::size_t kept = 0;
    const std::size_t sectors = SectorCount();
    for (std::size_t s = 0; s < sectors; ++s) {
        if (s < removed.size() && removed[s]) {
            continue;
        }
        if (kept != s) {
            std::memmove(Sector(static_cast<std::int32_t>(kept)), Sector(static_cast<std::int32_t>(s)),
                         kSectorSize);
        }
        ++kept;
    }
    image_.resize((kept + 1) * kSectorSize);
    std::vector<std::int32_t> table;
    table.reserve(fat_.size());
    for (std::size_t i = 0; i < fat_.size(); ++i) {
        if (!removed[i]) {
            table.push_back(fat_[i]);
        }
    }
    table.resize(fat_.size(), kFreeSector);
    fat_ = std::move(table);
    RenumberSectors([&sorted](std::int32_t s) { return Lowered(s, sorted); });
    claimFrom_ = 0;
}

void StorageFile::RemoveSectors(std::vector<std::int32_t> sectors) {
    std::sort(sectors.begin(), sectors.end());
    CutSectors(sectors);
    while (fat_.size() > kEntriesPerFatSector && EndsInFreeSector(fat_, kEntriesPerFatSector)) {
        fat_.resize(fat_.size() - kEntriesPerFatSector);
        const std::int32_t last = difat_.back();
        difat_.pop_back();
        fat_[last] = kFreeSector;
        CutSectors({last});
        constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
        if (!difatSectors_.empty() && difat_.size() <= StorageHeader::kHeaderDifatSlots +
                                                           kPerDifatSector * (difatSectors_.size() - 1)) {
            const std::int32_t difat = difatSectors_.back();
            difatSectors_.pop_back();
            fat_[difat] = kFreeSector;
            CutSectors({difat});
        }
    }
}

void StorageFile::RemoveMiniSectors(std::vector<std::int32_t> miniSectors) {
    std::sort(miniSectors.begin(), miniSectors.end());
    std::vector<bool> removed(miniFat_.size(), false);
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
    for (std::size_t i = 0; i < miniFat_.size(); ++i) {
        while (!removed[i] && miniFat_[i] >= 0 && removed[miniFat_[i]]) {
            miniFat_[i] = miniFat_[miniFat_[i]];
        }
    }
    std::vector<std::int32_t> table;
    for (std::size_t i = 0; i < miniFat_.size(); ++i) {
        if (!removed[i]) {
            table.push_back(miniFat_[i]);
        }
    }
    table.resize(miniFat_.size(), kFreeSector);
    miniFat_ = std::move(table);
    RenumberMiniSectors([&miniSectors](std::int32_t s) { return Lowered(s, miniSectors); });
    entries_[0].size = static_cast<std::uint32_t>(stream.size());
    entries_[0].start = WriteChain(stream.data(), stream.size(), entries_[0].start);
    while (!miniFat_.empty() && EndsInFreeSector(miniFat_, kEntriesPerFatSector)) {
        miniFat_.resize(miniFat_.size() - kEntriesPerFatSector);
        const auto last = header_.firstMiniFatSector + static_cast<std::int32_t>(miniFat_.size() / 128);
        if (miniFat_.empty()) {
            header_.firstMiniFatSector = kEndOfChain;
        }
        RemoveSectors({last});
    }
}

}  // namespace terrovane::xls

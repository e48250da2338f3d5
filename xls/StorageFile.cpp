#include "StorageFile.h"

#include <algorithm>
#include <cstring>

#include "ByteOrder.h"
#include "HugePages.h"
#include "Utf.h"

namespace terrovane::xls {
namespace {

constexpr char16_t kSeparator = u'\\';

std::size_t UnitsFor(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit;
}

std::vector<std::u16string_view> SplitComponents(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    while (!path.empty()) {
        const auto cut = path.find(kSeparator);
        const auto part = path.substr(0, cut);
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (cut == std::u16string_view::npos) {
            break;
        }
        path.remove_prefix(cut + 1);
    }
    return parts;
}

// Restores the current storage when a path operation ends, whatever its outcome.
class CurrentStorageGuard {
  public:
    CurrentStorageGuard(int& current, std::vector<int>& saved) : current_(current), saved_(saved) {
        saved_.push_back(current_);
    }
    ~CurrentStorageGuard() {
        current_ = saved_.back();
        saved_.pop_back();
    }
    CurrentStorageGuard(const CurrentStorageGuard&) = delete;
    CurrentStorageGuard& operator=(const CurrentStorageGuard&) = delete;

  private:
    int& current_;
    std::vector<int>& saved_;
};

}  // namespace

// ---- opening and closing ----

bool StorageFile::CreateNew(std::string_view utf8Path) {
    return CreateNew(Utf8ToUtf16(utf8Path));
}

bool StorageFile::CreateNew(std::u16string_view path) {
    CloseFile();
    if (!file_.Create(Utf16ToUtf8(path))) {
        return false;
    }
    header_ = StorageHeader{};
    image_.assign(3 * kSectorSize, 0);
    fat_.assign(kEntriesPerFatSector, kFreeSector);
    fat_[0] = kFatSector;
    fat_[1] = kEndOfChain;
    difat_ = {0};
    DirEntry root;
    root.name = u"Root Entry";
    root.type = EntryType::Root;
    entries_.push_back(root);
    nodes_.push_back(DirNode{});
    current_ = 0;
    if (!SaveTables()) {
        CloseFile();
        return false;
    }
    return true;
}

void StorageFile::CloseFile() {
    file_.Close();
    header_ = StorageHeader{};
    fat_.clear();
    miniFat_.clear();
    difat_.clear();
    difatSectors_.clear();
    entries_.clear();
    nodes_.clear();
    current_ = 0;
    savedCurrent_.clear();
    claimFrom_ = 0;
    image_.clear();
}

// ---- directory ----

StorageResult StorageFile::MakeStream(std::string_view utf8Path) {
    return MakeStream(Utf8ToUtf16(utf8Path));
}
StorageResult StorageFile::MakeStorage(std::string_view utf8Path) {
    return MakeStorage(Utf8ToUtf16(utf8Path));
}
StorageResult StorageFile::EnterStorage(std::string_view utf8Path) {
    return EnterStorage(Utf8ToUtf16(utf8Path));
}

StorageResult StorageFile::WriteStream(std::string_view utf8Path, const std::uint8_t* bytes,
                                       std::size_t count) {
    return WriteStream(Utf8ToUtf16(utf8Path), bytes, count);
}

int StorageFile::FindChild(int storage, std::u16string_view name) const {
    for (int child : nodes_[storage].children) {
        if (entries_[child].name == name) {
            return child;
        }
    }
    return -1;
}

StorageResult StorageFile::EnterStorage(std::u16string_view path) {
    if (!HasFile()) {
        return NoStorage;
    }
    const int previous = current_;
    if (!path.empty() && path.front() == kSeparator) {
        current_ = 0;
    }
    for (auto part : SplitComponents(path)) {
        if (part == u".") {
            continue;
        }
        if (part == u"..") {
            current_ = std::max(nodes_[current_].parent, 0);
            continue;
        }
        const int child = FindChild(current_, part);
        if (child < 0 || entries_[child].type != EntryType::Storage) {
            current_ = previous;
            return NoStorage;
        }
        current_ = child;
    }
    return Ok;
}

StorageResult StorageFile::MakeEntry(std::u16string_view path, EntryType type) {
    if (!HasFile()) {
        return NoStorage;
    }
    CurrentStorageGuard guard(current_, savedCurrent_);
    if (!path.empty() && path.front() == kSeparator) {
        current_ = 0;
        path.remove_prefix(1);
    }
    const auto cut = path.rfind(kSeparator);
    const auto name = cut == std::u16string_view::npos ? path : path.substr(cut + 1);
    if (name.empty()) {
        return NameMissing;
    }
    if (cut != std::u16string_view::npos && cut > 0) {
        const auto storagePart = path.substr(0, cut);
        if (EnterStorage(storagePart) != Ok) {
            const StorageResult made = MakeEntry(storagePart, EntryType::Storage);
            if (made != Ok) {
                return made;
            }
            if (EnterStorage(storagePart) != Ok) {
                return NoStorage;
            }
        }
    }
    return AddEntry(name, type);
}

StorageResult StorageFile::AddEntry(std::u16string_view name, EntryType type) {
    if (name.size() > DirEntry::kMaxNameUnits) {
        return LongName;
    }
    if (FindChild(current_, name) >= 0) {
        return NameTaken;
    }
    DirEntry entry;
    entry.name = std::u16string(name);
    entry.type = type;
    InsertEntry(ChooseEntryNumber(name), std::move(entry), current_);
    return SaveTables() ? Ok : DiskError;
}

// Entries are kept sorted by name length, then by code units, over the whole directory.
int StorageFile::ChooseEntryNumber(std::u16string_view name) const {
    for (std::size_t i = 1; i < entries_.size(); ++i) {
        const auto& other = entries_[i].name;
        if (other.size() > name.size() ||
            (other.size() == name.size() && std::u16string_view(other) >= name)) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(entries_.size());
}

void StorageFile::InsertEntry(int number, DirEntry entry, int parent) {
    const auto shift = [number](auto& ref) {
        if (ref >= number) {
            ++ref;
        }
    };
    for (auto& e : entries_) {
        shift(e.left), shift(e.right), shift(e.child);
    }
    for (auto& node : nodes_) {
        shift(node.parent);
        for (int& child : node.children) {
            shift(child);
        }
    }
    shift(current_);
    shift(parent);
    for (int& saved : savedCurrent_) {
        shift(saved);
    }
    entries_.insert(entries_.begin() + number, std::move(entry));
    nodes_.insert(nodes_.begin() + number, DirNode{parent, {}});
    auto& siblings = nodes_[parent].children;
    siblings.insert(std::upper_bound(siblings.begin(), siblings.end(), number), number);
    LinkSiblings(parent);
}

// The middle child is the sub-root; smaller ones hang as a chain of left links, larger ones as right links.
void StorageFile::LinkSiblings(int storage) {
    const auto& c = nodes_[storage].children;
    const std::size_t n = c.size();
    if (n == 0) {
        entries_[storage].child = kFreeSector;
        return;
    }
    const std::size_t m = n / 2;
    entries_[storage].child = c[m];
    for (std::size_t k = 0; k <= m; ++k) {
        entries_[c[k]].left = k == 0 ? kFreeSector : c[k - 1];
        entries_[c[k]].right = kFreeSector;
    }
    for (std::size_t k = m; k < n; ++k) {
        if (k > m) {
            entries_[c[k]].left = kFreeSector;
        }
        entries_[c[k]].right = k + 1 < n ? c[k + 1] : kFreeSector;
    }
}

int StorageFile::FindStream(std::u16string_view path) {
    CurrentStorageGuard guard(current_, savedCurrent_);
    if (!path.empty() && path.front() == kSeparator) {
        current_ = 0;
        path.remove_prefix(1);
    }
    const auto cut = path.rfind(kSeparator);
    if (cut != std::u16string_view::npos && EnterStorage(path.substr(0, cut)) != Ok) {
        return -1;
    }
    const int found = FindChild(current_, cut == std::u16string_view::npos ? path : path.substr(cut + 1));
    return found >= 0 && entries_[found].type == EntryType::Stream ? found : -1;
}

// ---- streams ----

StorageResult StorageFile::WriteStream(std::u16string_view path, const std::uint8_t* bytes,
                                       std::size_t count) {
    if (!HasFile()) {
        return NoStream;
    }
    const int index = FindStream(path);
    if (index < 0) {
        return NoStream;
    }
    // A stream's own start moves with the sectors, so it is re-read from its entry after every step.
    const bool wasBig = entries_[index].size >= kMiniStreamCutoff;
    const bool isBig = count >= kMiniStreamCutoff;
    if (wasBig != isBig) {
        if (wasBig) {
            WriteChain(nullptr, 0, entries_[index].start);
        } else {
            WriteMiniChain(nullptr, 0, entries_[index].start);
        }
        entries_[index].start = kEndOfChain;
        entries_[index].size = 0;
    }
    const std::int32_t start = isBig ? WriteChain(bytes, count, entries_[index].start)
                                     : WriteMiniChain(bytes, count, entries_[index].start);
    entries_[index].start = start;
    entries_[index].size = static_cast<std::uint32_t>(count);
    return SaveTables() ? Ok : DiskError;
}

std::vector<std::int32_t> StorageFile::Chain(const std::vector<std::int32_t>& table,
                                             std::int32_t start) const {
    std::vector<std::int32_t> chain;
    for (std::int32_t s = start; s >= 0 && static_cast<std::size_t>(s) < table.size(); s = table[s]) {
        chain.push_back(s);
        if (chain.size() > table.size()) {
            break;  // a cycle; cannot happen in tables this class builds
        }
    }
    return chain;
}

std::vector<std::uint8_t> StorageFile::ReadChain(std::int32_t start) {
    const auto chain = Chain(fat_, start);
    std::vector<std::uint8_t> bytes(chain.size() * kSectorSize);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        std::memcpy(bytes.data() + i * kSectorSize, Sector(chain[i]), kSectorSize);
    }
    return bytes;
}

std::int32_t StorageFile::WriteChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start) {
    if (count == 0 && start == kEndOfChain) {
        return kEndOfChain;
    }
    auto chain = Chain(fat_, start);
    const std::size_t needed = UnitsFor(count, kSectorSize);
    if (chain.size() > needed) {
        if (needed == 0) {
            start = kEndOfChain;
        } else {
            fat_[chain[needed - 1]] = kEndOfChain;
        }
        trackedStarts_.push_back(start);
        RemoveSectors({chain.begin() + static_cast<std::ptrdiff_t>(needed), chain.end()});
        start = trackedStarts_.back();
        trackedStarts_.pop_back();
        chain = Chain(fat_, start);
    }
    if (needed > chain.size()) {
        // Room for the new sectors and the FAT and DIFAT sectors they bring (one per 128 and one per 127 FAT
        // sectors; a 64th covers both), so the image grows only once.
        const std::size_t more = needed - chain.size();
        const std::size_t fatAndDifat = more / 64 + 8;
        const std::size_t before = image_.size();
        image_.reserve(before + (more + fatAndDifat) * kSectorSize);
        AdviseHugePages(image_.data() + before, (more + fatAndDifat) * kSectorSize);
    }
    std::int32_t previous = kEndOfChain;
    for (std::size_t unit = 0; unit < needed; ++unit) {
        std::int32_t sector;
        if (unit < chain.size()) {
            sector = chain[unit];
        } else {
            sector = ClaimSector();
            if (previous == kEndOfChain) {
                start = sector;
            } else {
                fat_[previous] = sector;
            }
        }
        const std::size_t offset = unit * kSectorSize;
        const std::size_t length = std::min(kSectorSize, count - offset);
        std::uint8_t* target = Sector(sector);
        std::memcpy(target, bytes + offset, length);
        std::memset(target + length, 0, kSectorSize - length);
        previous = sector;
    }
    return start;
}

std::int32_t StorageFile::WriteMiniChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start) {
    if (count == 0 && start == kEndOfChain) {
        return kEndOfChain;
    }
    DirEntry& root = entries_[0];
    if (count > 0 && root.start == kEndOfChain) {
        root.start = ClaimSector();
        std::memset(Sector(root.start), 0, kSectorSize);
        root.size = kSectorSize;
    }
    auto chain = Chain(miniFat_, start);
    const std::size_t needed = UnitsFor(count, kMiniSectorSize);
    if (chain.size() > needed) {
        if (needed == 0) {
            start = kEndOfChain;
        } else {
            miniFat_[chain[needed - 1]] = kEndOfChain;
        }
        trackedMiniStarts_.push_back(start);
        RemoveMiniSectors({chain.begin() + static_cast<std::ptrdiff_t>(needed), chain.end()});
        start = trackedMiniStarts_.back();
        trackedMiniStarts_.pop_back();
        chain = Chain(miniFat_, start);
    }
    if (needed == 0) {
        return start;
    }
    auto stream = ReadChain(entries_[0].start);
    std::int32_t previous = chain.empty() ? kEndOfChain : chain.back();
    while (chain.size() < needed) {
        const std::int32_t mini = ClaimMiniSector();
        if (previous == kEndOfChain) {
            start = mini;
        } else {
            miniFat_[previous] = mini;
        }
        chain.push_back(mini);
        previous = mini;
        stream.resize(std::max(stream.size(), (static_cast<std::size_t>(mini) + 1) * kMiniSectorSize), 0);
    }
    const auto used =
        std::count_if(miniFat_.begin(), miniFat_.end(), [](auto e) { return e != kFreeSector; });
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

// ---- saving the tables ----

bool StorageFile::SaveTables() {
    std::vector<std::uint8_t> directory(UnitsFor(entries_.size(), 4) * kSectorSize, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].Write(directory.data() + i * DirEntry::kSize);
    }
    WriteChain(directory.data(), directory.size(), header_.firstDirectorySector);

    header_.fatSectorCount = static_cast<std::uint32_t>(difat_.size());
    header_.miniFatSectorCount = static_cast<std::uint32_t>(miniFat_.size() / kEntriesPerFatSector);
    header_.difatSectorCount = static_cast<std::uint32_t>(difatSectors_.size());
    header_.firstDifatSector = difatSectors_.empty() ? kEndOfChain : difatSectors_.front();
    header_.Write(image_.data(), difat_);
    for (std::size_t i = 0; i < difat_.size(); ++i) {
        std::uint8_t* out = Sector(difat_[i]);
        for (std::size_t k = 0; k < kEntriesPerFatSector; ++k) {
            PutI32(out + 4 * k, fat_[i * kEntriesPerFatSector + k]);
        }
    }
    for (std::size_t j = 0; j < miniFat_.size() / kEntriesPerFatSector; ++j) {
        std::uint8_t* out = Sector(header_.firstMiniFatSector + static_cast<std::int32_t>(j));
        for (std::size_t k = 0; k < kEntriesPerFatSector; ++k) {
            PutI32(out + 4 * k, miniFat_[j * kEntriesPerFatSector + k]);
        }
    }
    constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
    for (std::size_t d = 0; d < difatSectors_.size(); ++d) {
        std::uint8_t* out = Sector(difatSectors_[d]);
        for (std::size_t k = 0; k < kPerDifatSector; ++k) {
            const std::size_t slot = StorageHeader::kHeaderDifatSlots + d * kPerDifatSector + k;
            PutI32(out + 4 * k, slot < difat_.size() ? difat_[slot] : kFreeSector);
        }
        PutI32(out + 4 * kPerDifatSector, d + 1 < difatSectors_.size() ? difatSectors_[d + 1] : kEndOfChain);
    }
    return file_.Commit(image_);
}

}  // namespace terrovane::xls

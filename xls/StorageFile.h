#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DirEntry.h"
#include "SectorFile.h"
#include "StorageHeader.h"

namespace terrovane::xls {

enum StorageResult : int {
    Ok = 1,
    NameMissing = -1,
    NoStorage = -2,
    NoStream = -4,
    LongName = -5,
    NameTaken = -6,
    DiskError = -7,  // the structure changed in memory but the disk refused the file image
};

// A compound document (512-byte sectors, 64-byte mini sectors) of named streams and storages. After every
// operation the disk file is complete and consistent: the whole image is kept in memory and committed in
// one pass. Paths use `\` separators; "." is the current storage, ".." its parent, a leading `\` the root.
// Narrow forms take UTF-8.
class StorageFile {
  public:
    static constexpr std::size_t kSectorSize = 512;
    static constexpr std::size_t kMiniSectorSize = 64;
    static constexpr std::size_t kMiniStreamCutoff = 4096;
    static constexpr std::size_t kEntriesPerFatSector = kSectorSize / 4;

    StorageFile() = default;
    ~StorageFile() { CloseFile(); }
    StorageFile(const StorageFile&) = delete;
    StorageFile& operator=(const StorageFile&) = delete;

    bool CreateNew(std::u16string_view path);
    bool CreateNew(std::string_view utf8Path);
    void CloseFile();
    bool HasFile() const { return file_.IsOpen(); }

    StorageResult MakeStream(std::u16string_view path) { return MakeEntry(path, EntryType::Stream); }
    StorageResult MakeStream(std::string_view utf8Path);
    StorageResult MakeStorage(std::u16string_view path) { return MakeEntry(path, EntryType::Storage); }
    StorageResult MakeStorage(std::string_view utf8Path);
    StorageResult EnterStorage(std::u16string_view path);
    StorageResult EnterStorage(std::string_view utf8Path);
    StorageResult WriteStream(std::u16string_view path, const std::uint8_t* bytes, std::size_t count);
    StorageResult WriteStream(std::string_view utf8Path, const std::uint8_t* bytes, std::size_t count);

    // The file image exactly as committed to disk (for inspection).
    const std::vector<std::uint8_t>& Image() const { return image_; }

  private:
    struct DirNode {
        int parent = -1;
        std::vector<int> children;  // ordered by entry number
    };

    StorageResult MakeEntry(std::u16string_view path, EntryType type);
    StorageResult AddEntry(std::u16string_view name, EntryType type);
    int FindChild(int storage, std::u16string_view name) const;
    int FindStream(std::u16string_view path);
    int ChooseEntryNumber(std::u16string_view name) const;
    void InsertEntry(int number, DirEntry entry, int parent);
    void LinkSiblings(int storage);

    std::size_t SectorCount() const { return image_.size() / kSectorSize - 1; }
    std::uint8_t* Sector(std::int32_t s) {
        return image_.data() + (static_cast<std::size_t>(s) + 1) * kSectorSize;
    }
    // The sector allocator (SectorAllocation.cpp): claiming, growing the tables, cutting sectors out.
    void EnsureSector(std::int32_t s, std::uint8_t fill = 0);
    std::int32_t ClaimSector();
    std::int32_t ClaimMiniSector();
    void GrowFat();
    void GrowMiniFat();
    void InsertSector(std::int32_t position, std::uint8_t fill, std::int32_t fatEntry);
    void CutSectors(const std::vector<std::int32_t>& sorted);
    void RemoveSectors(std::vector<std::int32_t> sectors);
    void RemoveMiniSectors(std::vector<std::int32_t> miniSectors);
    template <typename Map>
    void RenumberSectors(Map map);
    template <typename Map>
    void RenumberMiniSectors(Map map);

    std::vector<std::int32_t> Chain(const std::vector<std::int32_t>& table, std::int32_t start) const;
    std::vector<std::uint8_t> ReadChain(std::int32_t start);
    std::int32_t WriteChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start);
    std::int32_t WriteMiniChain(const std::uint8_t* bytes, std::size_t count, std::int32_t start);
    bool SaveTables();

    StorageHeader header_;
    std::vector<std::int32_t> fat_;
    std::vector<std::int32_t> miniFat_;
    std::vector<std::int32_t> difat_;         // every FAT sector in order
    std::vector<std::int32_t> difatSectors_;  // sectors continuing the DIFAT beyond the header's 109 slots
    std::vector<DirEntry> entries_;
    std::vector<DirNode> nodes_;  // node i belongs to entry i
    int current_ = 0;
    std::vector<int> savedCurrent_;
    std::vector<std::int32_t> trackedStarts_;      // chain starts held by callers while sectors move
    std::vector<std::int32_t> trackedMiniStarts_;  // the same for mini sector numbers
    std::size_t claimFrom_ = 0;                    // no free FAT entry lies below this one
    std::vector<std::uint8_t> image_;              // header followed by every sector
    SectorFile file_;
};

}  // namespace terrovane::xls

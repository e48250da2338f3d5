#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DirEntry.h"
#include "SectorAllocator.h"
#include "SectorChains.h"
#include "SectorFile.h"
#include "SectorTables.h"
#include "StorageDirectory.h"

namespace terrovane::xls {

// A compound document (512-byte sectors, 64-byte mini sectors) of named streams and storages. After every
// operation the disk file is complete and consistent: the whole image is kept in memory and committed in
// one pass. Paths use `\` separators; "." is the current storage, ".." its parent, a leading `\` the root.
// Narrow forms take UTF-8. The directory, the allocator and the chains are parts over the shared tables;
// this class opens the file, runs each operation through them and saves the tables after it.
class StorageFile {
  public:
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
    const std::vector<std::uint8_t>& Image() const { return tables_.image; }

  private:
    StorageResult MakeEntry(std::u16string_view path, EntryType type);
    bool SaveTables();

    StorageDirectory directory_;
    SectorTables tables_;
    SectorAllocator allocator_{tables_, directory_.Entries()};
    SectorChains chains_{tables_, directory_.Entries(), allocator_};
    SectorFile file_;
};

}  // namespace terrovane::xls

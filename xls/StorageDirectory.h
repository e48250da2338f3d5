#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "DirEntry.h"

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

// The directory of a compound document: its entries in file order, the tree of storages over them and the
// current storage paths are resolved from. Paths use `\` separators; "." is the current storage, ".." its
// parent, a leading `\` the root.
class StorageDirectory {
  public:
    // The directory of a new file: the root entry alone.
    void StartWithRoot();
    void Clear();

    std::vector<DirEntry>& Entries() { return entries_; }
    const std::vector<DirEntry>& Entries() const { return entries_; }

    StorageResult EnterStorage(std::u16string_view path);
    // Makes the entry and any storages missing on its path; `commit` saves the file after each new entry
    // and reports whether the disk took it.
    StorageResult MakeEntry(std::u16string_view path, EntryType type, const std::function<bool()>& commit);
    // The stream's entry number, or -1.
    int FindStream(std::u16string_view path);

  private:
    struct DirNode {
        int parent = -1;
        std::vector<int> children;  // ordered by entry number
    };

    StorageResult AddEntry(std::u16string_view name, EntryType type, const std::function<bool()>& commit);
    int FindChild(int storage, std::u16string_view name) const;
    int ChooseEntryNumber(std::u16string_view name) const;
    void InsertEntry(int number, DirEntry entry, int parent);
    void LinkSiblings(int storage);

    std::vector<DirEntry> entries_;
    std::vector<DirNode> nodes_;  // node i belongs to entry i
    int current_ = 0;
    std::vector<int> savedCurrent_;
};

}  // namespace terrovane::xls

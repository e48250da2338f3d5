#include "StorageDirectory.h"

#include <algorithm>

namespace terrovane::xls {
namespace {

constexpr char16_t kSeparator = u'\\';

std::vector<std::u16string_view> SplitPathComponents(std::u16string_view path) {
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

void StorageDirectory::StartWithRoot() {
    DirEntry root;
    root.name = u"Root Entry";
    root.type = EntryType::Root;
    entries_.push_back(root);
    nodes_.push_back(DirNode{});
    current_ = 0;
}

void StorageDirectory::Clear() {
    entries_.clear();
    nodes_.clear();
    current_ = 0;
    savedCurrent_.clear();
}

int StorageDirectory::FindChild(int storage, std::u16string_view name) const {
    for (int child : nodes_[storage].children) {
        if (entries_[child].name == name) {
            return child;
        }
    }
    return -1;
}

StorageResult StorageDirectory::EnterStorage(std::u16string_view path) {
    const int previous = current_;
    if (!path.empty() && path.front() == kSeparator) {
        current_ = 0;
    }
    for (auto part : SplitPathComponents(path)) {
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

StorageResult StorageDirectory::MakeEntry(std::u16string_view path, EntryType type,
                                          const std::function<bool()>& commit) {
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
            const StorageResult made = MakeEntry(storagePart, EntryType::Storage, commit);
            if (made != Ok) {
                return made;
            }
            if (EnterStorage(storagePart) != Ok) {
                return NoStorage;
            }
        }
    }
    return AddEntry(name, type, commit);
}

StorageResult StorageDirectory::AddEntry(std::u16string_view name, EntryType type,
                                         const std::function<bool()>& commit) {
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
    return commit() ? Ok : DiskError;
}

// Entries are kept sorted by name length, then by code units, over the whole directory.
int StorageDirectory::ChooseEntryNumber(std::u16string_view name) const {
    for (std::size_t i = 1; i < entries_.size(); ++i) {
        const auto& other = entries_[i].name;
        if (other.size() > name.size() ||
            (other.size() == name.size() && std::u16string_view(other) >= name)) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(entries_.size());
}

void StorageDirectory::InsertEntry(int number, DirEntry entry, int parent) {
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
void StorageDirectory::LinkSiblings(int storage) {
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

int StorageDirectory::FindStream(std::u16string_view path) {
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

}  // namespace terrovane::xls

#include "StorageFile.h"

#include "ByteOrder.h"
#include "Utf.h"

namespace terrovane::xls {

// ---- opening and closing ----

bool StorageFile::CreateNew(std::string_view utf8Path) {
    return CreateNew(Utf8ToUtf16(utf8Path));
}

bool StorageFile::CreateNew(std::u16string_view path) {
    CloseFile();
    if (!file_.Create(Utf16ToUtf8(path))) {
        return false;
    }
    tables_.header = StorageHeader{};
    tables_.image.assign(3 * kSectorSize, 0);
    tables_.fat.assign(kEntriesPerFatSector, kFreeSector);
    tables_.fat[0] = kFatSector;
    tables_.fat[1] = kEndOfChain;
    tables_.difat = {0};
    directory_.StartWithRoot();
    if (!SaveTables()) {
        CloseFile();
        return false;
    }
    return true;
}

void StorageFile::CloseFile() {
    file_.Close();
    tables_.Clear();
    directory_.Clear();
    allocator_.Reset();
}

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

StorageResult StorageFile::EnterStorage(std::u16string_view path) {
    if (!HasFile()) {
        return NoStorage;
    }
    return directory_.EnterStorage(path);
}

StorageResult StorageFile::MakeEntry(std::u16string_view path, EntryType type) {
    if (!HasFile()) {
        return NoStorage;
    }
    return directory_.MakeEntry(path, type, [this] { return SaveTables(); });
}

// ---- streams ----

StorageResult StorageFile::WriteStream(std::u16string_view path, const std::uint8_t* bytes,
                                       std::size_t count) {
    if (!HasFile()) {
        return NoStream;
    }
    const int index = directory_.FindStream(path);
    if (index < 0) {
        return NoStream;
    }
    auto& entries = directory_.Entries();
    // A stream's own start moves with the sectors, so it is re-read from its entry after every step.
    const bool wasBig = entries[index].size >= kMiniStreamCutoff;
    const bool isBig = count >= kMiniStreamCutoff;
    if (wasBig != isBig) {
        if (wasBig) {
            chains_.WriteChain(nullptr, 0, entries[index].start);
        } else {
            chains_.WriteMiniChain(nullptr, 0, entries[index].start);
        }
        entries[index].start = kEndOfChain;
        entries[index].size = 0;
    }
    const std::int32_t start = isBig ? chains_.WriteChain(bytes, count, entries[index].start)
                                     : chains_.WriteMiniChain(bytes, count, entries[index].start);
    entries[index].start = start;
    entries[index].size = static_cast<std::uint32_t>(count);
    return SaveTables() ? Ok : DiskError;
}

// ---- saving the tables ----

bool StorageFile::SaveTables() {
    const auto& entries = directory_.Entries();
    std::vector<std::uint8_t> directory((entries.size() + 3) / 4 * kSectorSize, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].Write(directory.data() + i * DirEntry::kSize);
    }
    chains_.WriteChain(directory.data(), directory.size(), tables_.header.firstDirectorySector);

    tables_.header.fatSectorCount = static_cast<std::uint32_t>(tables_.difat.size());
    tables_.header.miniFatSectorCount =
        static_cast<std::uint32_t>(tables_.miniFat.size() / kEntriesPerFatSector);
    tables_.header.difatSectorCount = static_cast<std::uint32_t>(tables_.difatSectors.size());
    tables_.header.firstDifatSector =
        tables_.difatSectors.empty() ? kEndOfChain : tables_.difatSectors.front();
    tables_.header.Write(tables_.image.data(), tables_.difat);
    for (std::size_t i = 0; i < tables_.difat.size(); ++i) {
        std::uint8_t* out = tables_.Sector(tables_.difat[i]);
        for (std::size_t k = 0; k < kEntriesPerFatSector; ++k) {
            PutI32(out + 4 * k, tables_.fat[i * kEntriesPerFatSector + k]);
        }
    }
    for (std::size_t j = 0; j < tables_.miniFat.size() / kEntriesPerFatSector; ++j) {
        std::uint8_t* out = tables_.Sector(tables_.header.firstMiniFatSector + static_cast<std::int32_t>(j));
        for (std::size_t k = 0; k < kEntriesPerFatSector; ++k) {
            PutI32(out + 4 * k, tables_.miniFat[j * kEntriesPerFatSector + k]);
        }
    }
    constexpr std::size_t kPerDifatSector = kEntriesPerFatSector - 1;
    for (std::size_t d = 0; d < tables_.difatSectors.size(); ++d) {
        std::uint8_t* out = tables_.Sector(tables_.difatSectors[d]);
        for (std::size_t k = 0; k < kPerDifatSector; ++k) {
            const std::size_t slot = StorageHeader::kHeaderDifatSlots + d * kPerDifatSector + k;
            PutI32(out + 4 * k, slot < tables_.difat.size() ? tables_.difat[slot] : kFreeSector);
        }
        PutI32(out + 4 * kPerDifatSector,
               d + 1 < tables_.difatSectors.size() ? tables_.difatSectors[d + 1] : kEndOfChain);
    }
    return file_.Commit(tables_.image);
}

}  // namespace terrovane::xls

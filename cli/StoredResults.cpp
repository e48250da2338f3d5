#include "StoredResults.h"
#include "ArchiveProblemText.h"
#include "Numbers.h"

#include <cstdio>

#include "Archive.h"
#include "ArchiveAccess.h"
#include "ArchivePath.h"
#include "CliText.h"
#include "ImageFile.h"
#include "NoteTexts.h"
#include "RecordTable.h"
#include "RegularFile.h"

namespace terrovane::cli {
namespace {

constexpr std::size_t kMaxTextBytes = 1 << 20;

bool ParseReadOutId(const std::string& text, std::int64_t& id) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    id = numbers::ParseInteger(text).value_or(0);
    return id > 0;
}

bool ArchivedImage(const std::string& idText, record::ReadOutBuffer& image, std::string& error) {
    std::int64_t id = 0;
    if (!ParseReadOutId(idText, id)) {
        error =
            Utf8(CliText::tr("--readout takes a read-out id as \"terrovane-cli history --readouts\" lists "
                             "them, not \"%1\"")
                     .arg(Given(idText)));
        return false;
    }
    std::string aside;
    auto store = archive::Archive::Open(archive::DefaultArchivePath(), error, &aside);
    if (store == nullptr) {
        error = Utf8(CliText::tr("cannot open the archive: %1").arg(texts::ArchiveProblemText(error)));
        return false;
    }
    const auto stored = store->Image(id, error);
    if (!stored)
        return false;
    image = *stored;
    return true;
}

}  // namespace

bool LoadStoredResults(const std::string& from, const std::string& readoutId,
                       std::vector<analysis::SourcedRecord>& records, std::string& error) {
    record::ReadOutBuffer image{};
    QString refused;
    const bool loaded =
        from.empty() ? ArchivedImage(readoutId, image, error) : ReadImageFile(from, image, refused);
    if (!loaded) {
        if (!refused.isEmpty())
            error = Utf8(refused);
        return false;
    }
    record::RecordTable table;
    record::ParseRecords(image, table);
    records.clear();
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (const record::MeasurementRecord* r = table.At(slot)) {
            records.push_back(
                {analysis::SlotSource(slot), *r, archive::ValidityNotes(*r, ValiditySettings())});
        }
    }
    return true;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    const auto file = platform::ReadRegularFile(path, kMaxTextBytes + 1, platform::Links::Follow);
    if (file.status != platform::FileStatus::Read) {
        error = file.error.empty() ? Utf8(CliText::tr("%1: cannot be read").arg(Given(path))) : file.error;
        return false;
    }
    if (file.bytes.size() > kMaxTextBytes) {
        error = Utf8(CliText::tr("%1: larger than 1 MiB, not a table of readings").arg(Given(path)));
        return false;
    }
    text = file.bytes;
    return true;
}

}  // namespace terrovane::cli

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Batch.h"
#include "LocalSql.h"
#include "SyncIds.h"

// What goes to the server for a batch the archive keeps: the changes as JSON, each read-out's image apart
// as bytes.
namespace terrovane::sync {
namespace {

// Appends a whole number as the server's binary form has it: four bytes, the highest first.
void AppendInt32(std::string& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((value >> shift) & 0xFF);
    }
}

// The server's binary form of a one-dimensional bytea[] holds a header, then each element's length and
// bytes. The header is written once the number of elements is known.
constexpr std::size_t kArrayHeaderSize = 20;
constexpr std::uint32_t kByteaType = 17;

void AppendArrayHeader(std::string& bytes, std::uint32_t count) {
    AppendInt32(bytes, 1);  // dimensions
    AppendInt32(bytes, 0);  // no NULL element
    AppendInt32(bytes, kByteaType);
    AppendInt32(bytes, count);
    AppendInt32(bytes, 1);  // the first index
}

// Appends a read-out's content as the server takes it, from its row here: its image goes to the batch's
// images, and the change names its place there. Room for all `expected` images is made at the first.
void AppendReadOut(archive::Database& db, Batch& batch, std::uint32_t& images, std::size_t expected,
                   const std::string& key, const std::string& row) {
    batch.sent += R"({"type":"content","kind":"readout","key":)" + JsonString(key) + R"(,"site":null)";
    Bound readOut(db, "SELECT read_at, port, image FROM readouts WHERE id = ?1", {WholeNumber(row, 0)});
    if (readOut->Step() != SQLITE_ROW) {
        batch.sent += "}";
        return;
    }
    const std::vector<std::uint8_t> image = readOut->Blob(2);
    if (++images == 1) {
        batch.images.reserve(kArrayHeaderSize + expected * (4 + image.size()));
    }
    batch.sent += R"(,"body":{"read_at":)" + JsonString(readOut->Text(0)) + R"(,"port":)" +
                  JsonString(readOut->Text(1)) + R"(},"image":)" + std::to_string(images) + "}";
    AppendInt32(batch.images, static_cast<std::uint32_t>(image.size()));
    batch.images.append(reinterpret_cast<const char*>(image.data()), image.size());
}

}  // namespace

void PrepareSending(archive::Database& db, Batch& batch) {
    const PreparedOnce prepared(db);
    // A read-out named by its row ("ref") without a body; a batch kept by an earlier version carries its
    // body already and goes as it is. The images are read one by one after: sorting rows that carry them
    // would copy megabytes.
    const std::vector<SqlRow> changes =
        Rows(db,
             "SELECT c.value, json_extract(c.value, '$.key'), CASE WHEN json_extract(c.value, '$.type') = "
             "'content' AND json_extract(c.value, '$.kind') = 'readout' AND json_type(c.value, '$.body') IS "
             "NULL THEN json_extract(c.value, '$.ref') END FROM json_each(?1) AS c ORDER BY c.key",
             {batch.changes});
    const auto namesReadOut = [](const SqlRow& change) { return change[2].has_value(); };
    batch.sent = "[";
    batch.images.assign(kArrayHeaderSize, '\0');
    const auto expected = static_cast<std::size_t>(std::ranges::count_if(changes, namesReadOut));
    std::uint32_t images = 0;
    for (const SqlRow& change : changes) {
        batch.sent += batch.sent.size() == 1 ? "" : ",";
        if (namesReadOut(change)) {
            AppendReadOut(db, batch, images, expected, change[1].value_or(""), *change[2]);
        } else {
            batch.sent += change[0].value_or("null");
        }
    }
    batch.sent += "]";
    if (images == 0) {
        batch.images.clear();
        return;
    }
    std::string header;
    AppendArrayHeader(header, images);
    batch.images.replace(0, kArrayHeaderSize, header);
}

}  // namespace terrovane::sync

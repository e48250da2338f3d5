#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Files.h"

namespace terrovane::sync {

// How a file's sending ended: on the server, refused there (`refusal` says why; the sync goes on), or the
// sync must stop.
enum class Sent { Done, Refused, Stop };

// Where this archive keeps a file's bytes: a statement giving the hex of `substr(bytes, ?2, ?3)` of the file
// whose digest is ?1.
struct LocalFileBytes {
    const char* pieceSql;
};
extern const LocalFileBytes kAttachmentBytes;
extern const LocalFileBytes kReportBytes;

// Whether the server refused this one thing (rights, what it holds, a bound, a forged digest) rather than
// the sync as a whole.
bool RefusedThing(const pg::QueryResult& answer);

// The digests of `wanted` the server holds no file of. nullopt: the sync must stop.
std::optional<std::vector<std::string>> FilesMissing(const FileLink& link,
                                                     const std::vector<std::string>& wanted);

// Sends the file in pieces; the server takes it once its own digest of the bytes is `digest`.
Sent UploadFile(const FileLink& link, const LocalFileBytes& where, const std::string& digest,
                std::int64_t size, pg::QueryResult& refusal);

// Fetches the file in pieces and checks its digest and size. nullopt: the sync must stop (`report` says why).
std::optional<std::string> DownloadFile(const FileLink& link, const std::string& digest, std::int64_t size,
                                        SyncReport& report);

std::optional<std::string> BytesOfHex(const std::string& hex);

// Notes the server's refusal of one thing in the archive's list of what was refused.
void ListRefusal(archive::Database& db, const std::string& kind, const std::string& key,
                 const pg::QueryResult& refusal);

}  // namespace terrovane::sync

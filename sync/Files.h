#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Connection.h"
#include "Sqlite.h"
#include "SyncReport.h"

namespace terrovane::sync {

// What the exchange of files needs of the sync under way: a unit of work on the archive, a call on the
// server in a transaction of its own, and what a failed call ends the sync with. Each returns false when
// the sync must stop; the report then says why.
struct FileLink {
    std::function<bool(const std::function<void(archive::Database&)>&)> local;
    std::function<pg::QueryResult(const std::string&, const pg::Parameters&, const std::vector<bool>&)> call;
    std::function<bool(const pg::QueryResult&)> failed;
    std::string layout;
    std::function<bool()> cancelled;
};

// A file goes up and comes down in pieces of this size: a first sync of an archive with thousands of
// photos holds one piece at a time on the way up and one file at a time on the way down.
inline constexpr std::size_t kFilePieceBytes = std::size_t{1} << 20;

// The photos and documents attached to sites, points and results, with their captions and whether they go
// into the site report: this archive's sent when new or changed here, the server's taken when new or
// changed there. A refusal is listed and the others go on.
bool SyncAttachments(const FileLink& link, SyncReport& report);
// Every issued report's PDF with its number and revision, both ways; a revision is kept once.
bool SyncIssuedReports(const FileLink& link, SyncReport& report);

}  // namespace terrovane::sync

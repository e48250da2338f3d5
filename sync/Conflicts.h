#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"

namespace terrovane::sync {

// One entry of this archive's conflict list: a field changed in two places, the value kept everywhere and
// the one that lost, each with its stamp and who made it (a login, or "this PC").
struct Conflict {
    std::int64_t id = 0;
    std::string kind;  // site, point, assignment, note
    std::string uuid;
    std::string thing;  // the site's or point's name where this archive holds it, else empty
    std::string field;  // a field's name; "deleted" for a site or point kept for its results
    std::string keptValue, keptStamp, keptBy;
    std::string lostValue, lostStamp, lostBy;  // values as JSON text
    std::string notedAt;
};

// The unresolved conflicts, oldest first.
archive::Result<std::vector<Conflict>> ListConflicts(archive::Archive& archive);

enum class Keep { Kept, Lost };

// Settles one conflict: keeping the kept value only takes it off the list; keeping the lost one makes it
// a change of this PC, sent with the next sync, where its later stamp wins everywhere. NoSuchItem
// ("conflict", id) when no open conflict has the id.
archive::Status ResolveConflict(archive::Archive& archive, std::int64_t id, Keep keep);

}  // namespace terrovane::sync

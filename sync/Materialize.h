#pragma once

#include <optional>
#include <set>
#include <string>

#include "LocalState.h"
#include "Sqlite.h"

namespace terrovane::sync {

enum class [[nodiscard]] Materialized{Done, Waiting};

// Writes what the server has for the thing (its base fields) into the archive's own tables: the fields
// named in `fields` of a row held here, or every field of a row not held yet. Waiting when what it refers
// to (its site, point, result or read-out) is not here yet; it is tried again when that comes.
// A site or point deleted elsewhere that still has results here is kept, and its being kept is sent as a
// change of this PC that the server lists as a conflict for the people to decide.
Materialized Materialize(archive::Database& db, const Entity& entity,
                         const std::optional<std::set<std::string>>& fields);

// Notes a conflict found here: the value kept and the one that lost, each with its stamp and who made it.
struct LocalConflict {
    Entity entity;
    std::string field;
    std::string keptValue, keptStamp, keptBy;
    std::string lostValue, lostStamp, lostBy;
};
void NoteConflict(archive::Database& db, const LocalConflict& conflict);

// Who made the changes of this PC, in the conflict list.
inline constexpr const char* kThisPc = "this PC";

}  // namespace terrovane::sync

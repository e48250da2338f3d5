#pragma once

#include <cstdint>

#include "ArchiveTypes.h"
#include "Result.h"
#include "Sqlite.h"

namespace terrovane::archive {

// Fills the blank slots of a stored read-out from another copy of it, in the caller's unit of work on
// `db`: each slot that is blank here (all zero, as a team member receives the slots of other sites) and
// holds a result in `image` takes it, and the result is added when new and linked, as storing a read-out
// does. A slot that holds something here stays as it is. `outcome` counts the results linked.
[[nodiscard]] Status FillBlankSlots(Database& db, std::int64_t readoutId, const record::ReadOutBuffer& image,
                                    StoreOutcome& outcome);

}  // namespace terrovane::archive

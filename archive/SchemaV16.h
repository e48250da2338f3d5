#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 15 to layout 16, inside the migration's transaction: typed results, traverses and
// soundings get what the team sync needs to carry them (ids, stamps, tombstones and the outbox's
// triggers). Returns SQLite's result code.
int MigrateToLayout16(Database& db);

}  // namespace terrovane::archive

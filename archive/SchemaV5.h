#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 4 to layout 5, inside the migration's transaction: measuring dates checked and kept
// apart from their bytes, and every mutable row given its ids and modification stamp (see Hlc.h).
// Returns SQLite's result code.
int MigrateToLayout5(Database& db);

}  // namespace terrovane::archive

#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 16 to layout 17, inside the migration's transaction: a typed result's visit is
// stamped and listed for the team sync whenever it is set, changed or taken away. Returns SQLite's result
// code.
int MigrateToLayout17(Database& db);

}  // namespace terrovane::archive

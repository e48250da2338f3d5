#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 14 to layout 15, inside the migration's transaction: results typed by hand join a
// visit of their point's site as read-outs' results do (see SchemaV15.cpp). Returns SQLite's result code.
int MigrateToLayout15(Database& db);

}  // namespace terrovane::archive

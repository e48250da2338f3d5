#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 9 to layout 10, inside the migration's transaction: the visits of a site and the
// results assigned to a visit (see SchemaV10.cpp). Returns SQLite's result code.
int MigrateToLayout10(Database& db);

}  // namespace terrovane::archive

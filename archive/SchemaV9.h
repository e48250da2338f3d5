#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 8 to layout 9, inside the migration's transaction: photos and documents attached
// to sites, points and results (see SchemaV9.cpp). Returns SQLite's result code.
int MigrateToLayout9(Database& db);

}  // namespace terrovane::archive

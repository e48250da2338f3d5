#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 9 to layout 10, inside the migration's transaction: fall-of-potential traverses
// and soil soundings typed by hand (see SchemaV10.cpp). Returns SQLite's result code.
int MigrateToLayout10(Database& db);

}  // namespace terrovane::archive

#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 12 to layout 13, inside the migration's transaction: fall-of-potential traverses
// and soil soundings typed by hand (see SchemaV13.cpp). Returns SQLite's result code.
int MigrateToLayout13(Database& db);

}  // namespace terrovane::archive

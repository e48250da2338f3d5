#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 5 to layout 6, inside the migration's transaction: what the team sync keeps in the
// file (see SchemaV6.cpp). Returns SQLite's result code.
int MigrateToLayout6(Database& db);

}  // namespace terrovane::archive

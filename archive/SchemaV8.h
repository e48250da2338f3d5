#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 7 to layout 8, inside the migration's transaction: results typed by hand, each
// correction a new version (see SchemaV8.cpp). Returns SQLite's result code.
int MigrateToLayout8(Database& db);

}  // namespace terrovane::archive

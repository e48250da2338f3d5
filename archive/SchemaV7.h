#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 6 to layout 7, inside the migration's transaction: stored analyses go to the team
// too (see SchemaV7.cpp). Returns SQLite's result code.
int MigrateToLayout7(Database& db);

}  // namespace terrovane::archive

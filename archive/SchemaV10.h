#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step to the layout that keeps the firm's profile and the issued reports (see SchemaV10.cpp), inside
// the migration's transaction. Returns SQLite's result code.
int MigrateToLayout10(Database& db);

}  // namespace terrovane::archive

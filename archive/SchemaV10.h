#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 9 to layout 10, inside the migration's transaction: the full-text index that the
// archive window's search field and `find` use, kept true by triggers, and an index for the result list's
// filters (see SchemaV10.cpp). Returns SQLite's result code.
int MigrateToLayout10(Database& db);

}  // namespace terrovane::archive

#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 11 to layout 12, inside the migration's transaction: the visits of a site and the
// results assigned to a visit (see SchemaV12.cpp). Returns SQLite's result code.
int MigrateToLayout12(Database& db);

}  // namespace terrovane::archive

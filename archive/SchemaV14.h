#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 13 to layout 14, inside the migration's transaction: the full-text index that the
// archive window's search field and `find` use, its entries noted by triggers and written by each unit
// of work, and an index for the result list's filters (see SchemaV14.cpp). Returns SQLite's result code.
int MigrateToLayout14(Database& db);

// Brings the full-text index's entries noted by the triggers up to date, in the unit of work that changed
// them (every write unit does before it commits). Returns SQLite's result code.
int FlushFindQueue(Database& db);

}  // namespace terrovane::archive

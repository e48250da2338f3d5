#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 10 to layout 11, inside the migration's transaction: the photos chosen for the site
// report (see SchemaV11.cpp). Returns SQLite's result code.
int MigrateToLayout11(Database& db);

}  // namespace terrovane::archive

#pragma once

#include "Sqlite.h"

namespace terrovane::archive {

// The step from layout 17 to layout 18, inside the migration's transaction: a typed Schlumberger
// sounding's readings keep MN/2 beside AB/2, which the soil fit needs to model them. Returns SQLite's
// result code.
int MigrateToLayout18(Database& db);

}  // namespace terrovane::archive

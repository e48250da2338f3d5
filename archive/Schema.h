#pragma once

#include <string>

#include "Result.h"
#include "Sqlite.h"

namespace terrovane::archive {

// The layout this program writes; PRAGMA user_version holds the layout of a file.
inline constexpr int kSchemaVersion = 18;

// Brings a freshly opened file to kSchemaVersion: an empty file gets the whole layout, an older one each
// migration in turn, all in one write transaction (a failure leaves the file as it was). A file of a newer
// layout is left untouched and refused. The layout is read first, so opening a current file never takes
// the write lock. Only opening an archive migrates; every later unit of work just checks the layout.
Status MigrateIfOlder(Database& db);

// The statements of step `step` (0 to 3) from layout `step` to `step` + 1; the later steps need code.
// Tests make files of the older layouts with them, as those releases wrote them.
const char* LayoutStepSql(int step);

// The failure for a file whose layout is not this program's.
Failure LayoutFailure(int layout);

}  // namespace terrovane::archive

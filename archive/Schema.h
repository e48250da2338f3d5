#pragma once

#include <string>

#include "Sqlite.h"

namespace terrovane::archive {

// The layout this program writes; PRAGMA user_version holds the layout of a file.
inline constexpr int kSchemaVersion = 4;

// Brings a freshly opened file to kSchemaVersion: an empty file gets the whole layout, an older one each
// migration in turn, all in one transaction (a failure leaves the file as it was). A file of a newer
// layout is left untouched and refused. Returns the SQLite result code, with `error` set on failure.
int MigrateSchema(Database& db, std::string& error);

}  // namespace terrovane::archive

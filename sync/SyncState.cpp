#include "SyncState.h"

#include <sqlite3.h>

#include "LocalSql.h"

namespace terrovane::sync {

std::string StateValue(archive::Database& db, const std::string& key, const std::string& fallback) {
    return Single(db, "SELECT value FROM sync_state WHERE key = ?1", {key}).value_or(fallback);
}

void SetStateValue(archive::Database& db, const std::string& key, const std::string& value) {
    Exec(db, "INSERT OR REPLACE INTO sync_state VALUES (?1, ?2)", {key, value});
}

Applying::Applying(archive::Database& db) : db_(db) {
    Exec(db_, "INSERT OR IGNORE INTO sync_applying VALUES (1)");
}

void Applying::Finish() {
    // Exactly the one mark made above: none left means something cleared it midway, and what was applied
    // since went to the outbox as this PC's own changes.
    if (Exec(db_, "DELETE FROM sync_applying") != 1) {
        throw LocalFailure(SQLITE_INTERNAL,
                           "the mark that keeps received changes out of the outbox was gone");
    }
}

}  // namespace terrovane::sync

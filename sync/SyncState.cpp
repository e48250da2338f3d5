#include "SyncState.h"

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
    Exec(db_, "DELETE FROM sync_applying");
}

}  // namespace terrovane::sync

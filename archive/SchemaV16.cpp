#include "SchemaV16.h"

#include <sqlite3.h>

#include <string>

#include "Hlc.h"

namespace terrovane::archive {
namespace {

// The outbox learns of a typed result stored here (each version is a thing of its own) and of its point
// changed, and of a traverse or sounding stored or deleted here. Entries are added only when missing,
// not with INSERT OR IGNORE: a trigger run by a foreign key's action (a traverse deleted with its point, a
// typed result's point cleared with its point) takes that action's conflict policy, which aborts on an
// entry already listed. A traverse or sounding gets its id from the stamping trigger's update, so the
// update is what lists it.
constexpr const char* kTypedOutbox = R"sql(
CREATE TRIGGER IF NOT EXISTS typed_results_outbox_made AFTER INSERT ON typed_results
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_result', NEW.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_result' AND ref = NEW.uuid); END;
CREATE TRIGGER IF NOT EXISTS typed_results_outbox_point AFTER UPDATE OF point_id ON typed_results
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_result', NEW.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_result' AND ref = NEW.uuid); END;
CREATE TRIGGER IF NOT EXISTS typed_traverses_outbox_changed AFTER UPDATE ON typed_traverses
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_traverse', NEW.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_traverse' AND ref = NEW.uuid); END;
CREATE TRIGGER IF NOT EXISTS typed_traverses_outbox_deleted AFTER DELETE ON typed_traverses
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_traverse', OLD.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_traverse' AND ref = OLD.uuid); END;
CREATE TRIGGER IF NOT EXISTS typed_soundings_outbox_changed AFTER UPDATE ON typed_soundings
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_sounding', NEW.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_sounding' AND ref = NEW.uuid); END;
CREATE TRIGGER IF NOT EXISTS typed_soundings_outbox_deleted AFTER DELETE ON typed_soundings
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT INTO sync_outbox SELECT 'typed_sounding', OLD.uuid WHERE NOT EXISTS (
        SELECT 1 FROM sync_outbox WHERE kind = 'typed_sounding' AND ref = OLD.uuid); END;
-- What was typed before the team sync carried it goes with the next sync.
INSERT INTO sync_outbox SELECT 'typed_result', t.uuid FROM typed_results t WHERE NOT EXISTS (
    SELECT 1 FROM sync_outbox o WHERE o.kind = 'typed_result' AND o.ref = t.uuid);
INSERT INTO sync_outbox SELECT 'typed_traverse', t.uuid FROM typed_traverses t WHERE NOT EXISTS (
    SELECT 1 FROM sync_outbox o WHERE o.kind = 'typed_traverse' AND o.ref = t.uuid);
INSERT INTO sync_outbox SELECT 'typed_sounding', t.uuid FROM typed_soundings t WHERE NOT EXISTS (
    SELECT 1 FROM sync_outbox o WHERE o.kind = 'typed_sounding' AND o.ref = t.uuid);
)sql";

bool HasColumn(Database& db, const char* table, const char* column) {
    Statement query;
    if (query.Prepare(db, std::string("SELECT 1 FROM pragma_table_info('") + table + "') WHERE name = ?") !=
        SQLITE_OK) {
        return false;
    }
    query.Bind(1, std::string_view(column));
    return query.Step() == SQLITE_ROW;
}

}  // namespace

// Every part may run again: a file one step behind by the grid assessments' rule runs this step a second
// time, and ALTER TABLE cannot.
int MigrateToLayout16(Database& db) {
    int rc = SQLITE_OK;
    if (!HasColumn(db, "typed_results", "modified")) {
        rc = db.Exec(StampedRowsSql("typed_results").c_str());
    }
    if (rc == SQLITE_OK && !HasColumn(db, "typed_traverses", "uuid")) {
        rc = db.Exec(StampedTableSql("typed_traverses").c_str());
    }
    if (rc == SQLITE_OK && !HasColumn(db, "typed_soundings", "uuid")) {
        rc = db.Exec(StampedTableSql("typed_soundings").c_str());
    }
    return rc == SQLITE_OK ? db.Exec(kTypedOutbox) : rc;
}

}  // namespace terrovane::archive

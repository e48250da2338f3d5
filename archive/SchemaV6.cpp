#include "SchemaV6.h"

namespace terrovane::archive {
namespace {

// The team sync's own tables. Every change made on this PC leaves the kind and id of the changed row in
// sync_outbox (the triggers below); the batch sent is made from the rows as they are when it is built and
// kept in sync_batches until the server has answered, so a batch sent again is the same batch. sync_fields
// holds each field as the server last had it (the base a change here is made against), sync_content the
// keys of the read-outs here and whether the server holds them. While the sync writes what it pulled,
// sync_applying holds one row, so its writes are not sent back.
constexpr const char* kSyncTables = R"sql(
CREATE TABLE sync_applying (id INTEGER PRIMARY KEY CHECK (id = 1));
CREATE TABLE sync_outbox (
    kind TEXT NOT NULL,
    ref TEXT NOT NULL,
    PRIMARY KEY (kind, ref)
) WITHOUT ROWID;
CREATE TABLE sync_batches (
    batch INTEGER PRIMARY KEY,
    changes TEXT NOT NULL
);
CREATE TABLE sync_state (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;
CREATE TABLE sync_fields (
    kind TEXT NOT NULL,
    uuid TEXT NOT NULL,
    field TEXT NOT NULL,
    site TEXT,
    value TEXT NOT NULL,
    stamp TEXT NOT NULL,
    PRIMARY KEY (kind, uuid, field)
) WITHOUT ROWID;
CREATE TABLE sync_content (
    kind TEXT NOT NULL,
    key TEXT NOT NULL,
    local_id INTEGER NOT NULL,
    sent INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (kind, key)
) WITHOUT ROWID;
CREATE INDEX sync_content_local ON sync_content(kind, local_id);
CREATE TABLE sync_pending (
    kind TEXT NOT NULL,
    uuid TEXT NOT NULL,
    PRIMARY KEY (kind, uuid)
) WITHOUT ROWID;
CREATE TABLE sync_rejected (
    kind TEXT NOT NULL,
    uuid TEXT NOT NULL,
    field TEXT NOT NULL,
    value TEXT,
    sqlstate TEXT NOT NULL,
    reason TEXT NOT NULL,
    PRIMARY KEY (kind, uuid, field)
) WITHOUT ROWID;
CREATE TABLE sync_conflicts (
    id INTEGER PRIMARY KEY,
    server_seq INTEGER UNIQUE,
    kind TEXT NOT NULL,
    uuid TEXT NOT NULL,
    field TEXT NOT NULL,
    kept_value TEXT,
    kept_stamp TEXT NOT NULL,
    kept_by TEXT NOT NULL,
    lost_value TEXT,
    lost_stamp TEXT NOT NULL,
    lost_by TEXT NOT NULL,
    noted_at TEXT NOT NULL,
    resolved INTEGER NOT NULL DEFAULT 0
);
)sql";

// The triggers record what changed; what changed in it is worked out when the batch is built.
constexpr const char* kOutboxTriggers = R"sql(
CREATE TRIGGER sites_outbox_made AFTER INSERT ON sites
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('site', NEW.uuid); END;
CREATE TRIGGER sites_outbox_changed AFTER UPDATE ON sites
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('site', NEW.uuid); END;
CREATE TRIGGER sites_outbox_deleted AFTER DELETE ON sites
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('site', OLD.uuid); END;
CREATE TRIGGER points_outbox_made AFTER INSERT ON points
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('point', NEW.uuid); END;
CREATE TRIGGER points_outbox_changed AFTER UPDATE ON points
    WHEN NEW.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('point', NEW.uuid); END;
CREATE TRIGGER points_outbox_deleted AFTER DELETE ON points
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('point', OLD.uuid); END;
CREATE TRIGGER readouts_outbox_made AFTER INSERT ON readouts
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('readout', NEW.id); END;
CREATE TRIGGER readouts_outbox_changed AFTER UPDATE OF label_id, note ON readouts
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('readout', NEW.id); END;
CREATE TRIGGER results_outbox_changed AFTER UPDATE OF label_id, note, point_id ON results
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('result', lower(hex(NEW.content_key))); END;
)sql";

// What the file held before is all unsent.
constexpr const char* kEverythingUnsent = R"sql(
INSERT OR IGNORE INTO sync_outbox SELECT 'site', uuid FROM sites WHERE uuid IS NOT NULL;
INSERT OR IGNORE INTO sync_outbox SELECT 'point', uuid FROM points WHERE uuid IS NOT NULL;
INSERT OR IGNORE INTO sync_outbox SELECT 'readout', id FROM readouts;
INSERT OR IGNORE INTO sync_outbox SELECT 'result', lower(hex(content_key)) FROM results
    WHERE label_id IS NOT NULL OR note IS NOT NULL OR point_id IS NOT NULL;
INSERT OR IGNORE INTO sync_outbox SELECT CASE kind WHEN 'sites' THEN 'site' ELSE 'point' END, uuid
    FROM tombstones WHERE kind IN ('sites', 'points');
)sql";

}  // namespace

int MigrateToLayout6(Database& db) {
    int rc = db.Exec(kSyncTables);
    if (rc == 0) {
        rc = db.Exec(kOutboxTriggers);
    }
    if (rc == 0) {
        rc = db.Exec(kEverythingUnsent);
    }
    return rc;
}

}  // namespace terrovane::archive

#include "SchemaV9.h"

namespace terrovane::archive {
namespace {

// Each attached file is kept once, by the SHA-256 of its bytes, however often it is attached. Its bytes sit
// in a table of their own, so that listing the attachments or drawing their thumbnails never reads a page
// of a photo: SQLite keeps a large value on overflow pages it only visits when the column is asked for.
// An attachment belongs to exactly one site, point, read-out result or typed result (by the uuid its
// versions share, so a correction keeps the photos); it goes with its owner, and a file goes with its last
// attachment. Every statement may run again: a file one step behind by the grid assessments' rule runs
// this step a second time.
constexpr const char* kAttachments = R"sql(
CREATE TABLE IF NOT EXISTS attachment_files (
    id INTEGER PRIMARY KEY,
    digest TEXT NOT NULL UNIQUE,
    kind TEXT NOT NULL CHECK (kind IN ('jpeg', 'png', 'pdf')),
    size INTEGER NOT NULL,
    width INTEGER,
    height INTEGER,
    taken TEXT,
    latitude REAL,
    longitude REAL,
    thumbnail BLOB
);
CREATE TABLE IF NOT EXISTS attachment_bytes (
    file_id INTEGER PRIMARY KEY REFERENCES attachment_files(id) ON DELETE CASCADE,
    bytes BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS attachments (
    id INTEGER PRIMARY KEY,
    file_id INTEGER NOT NULL REFERENCES attachment_files(id),
    site_id INTEGER REFERENCES sites(id) ON DELETE CASCADE,
    point_id INTEGER REFERENCES points(id) ON DELETE CASCADE,
    result_id INTEGER REFERENCES results(id) ON DELETE CASCADE,
    typed_result TEXT,
    name TEXT NOT NULL,
    caption TEXT NOT NULL DEFAULT '',
    added_at TEXT NOT NULL,
    CHECK ((site_id IS NOT NULL) + (point_id IS NOT NULL) + (result_id IS NOT NULL) +
           (typed_result IS NOT NULL) = 1)
);
CREATE INDEX IF NOT EXISTS attachments_site ON attachments(site_id) WHERE site_id IS NOT NULL;
CREATE INDEX IF NOT EXISTS attachments_point ON attachments(point_id) WHERE point_id IS NOT NULL;
CREATE INDEX IF NOT EXISTS attachments_result ON attachments(result_id) WHERE result_id IS NOT NULL;
CREATE INDEX IF NOT EXISTS attachments_typed ON attachments(typed_result) WHERE typed_result IS NOT NULL;
CREATE INDEX IF NOT EXISTS attachments_file ON attachments(file_id);
CREATE TRIGGER IF NOT EXISTS attachment_files_unused AFTER DELETE ON attachments
    WHEN NOT EXISTS (SELECT 1 FROM attachments WHERE file_id = OLD.file_id)
    BEGIN DELETE FROM attachment_files WHERE id = OLD.file_id; END;
)sql";

}  // namespace

int MigrateToLayout9(Database& db) {
    return db.Exec(kAttachments);
}

}  // namespace terrovane::archive

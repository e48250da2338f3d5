#include "SchemaV15.h"

namespace terrovane::archive {
namespace {

// A typed result joins a visit as a whole, every version of it: the link is kept by its first version's
// uuid, which corrections share. Its newest version's point must be of the visit's site; a correction or
// a deleted point that takes it elsewhere takes it out of the visit, as a read-out's result leaves a visit
// when its point leaves the site. A visit deleted takes its links along. Every statement may run again.
constexpr const char* kTypedVisits = R"sql(
CREATE TABLE IF NOT EXISTS typed_visits (
    first_version TEXT PRIMARY KEY,
    visit_id INTEGER NOT NULL REFERENCES visits(id) ON DELETE CASCADE
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS typed_visits_visit ON typed_visits(visit_id);
CREATE TRIGGER IF NOT EXISTS typed_versions_leave_visit AFTER INSERT ON typed_results
    BEGIN
        DELETE FROM typed_visits WHERE first_version = NEW.first_version AND NOT EXISTS (
            SELECT 1 FROM visits v JOIN points p ON p.site_id = v.site_id
            WHERE v.id = typed_visits.visit_id AND p.id = NEW.point_id);
    END;
CREATE TRIGGER IF NOT EXISTS typed_points_leave_visit AFTER UPDATE OF point_id ON typed_results
    WHEN NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = NEW.id)
    BEGIN
        DELETE FROM typed_visits WHERE first_version = NEW.first_version AND NOT EXISTS (
            SELECT 1 FROM visits v JOIN points p ON p.site_id = v.site_id
            WHERE v.id = typed_visits.visit_id AND p.id = NEW.point_id);
    END;
)sql";

}  // namespace

int MigrateToLayout15(Database& db) {
    return db.Exec(kTypedVisits);
}

}  // namespace terrovane::archive

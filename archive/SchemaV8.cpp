#include "SchemaV8.h"

namespace terrovane::archive {
namespace {

// A result typed by hand is a chain of versions: the first as typed, each correction a new row that names
// the one it replaces (at most one correction each, so the chain never forks), and the newest is the
// result. A version never changes once made, so it can travel to the team as content, as the stored
// analyses do; the triggers refuse any change but its point being deleted. Its values are kept in base
// units, one row each, a value over range as its bound with no reading at all. Every statement may run
// again: a file that is one step behind by the grid assessments' rule runs this step a second time.
constexpr const char* kTypedResults = R"sql(
CREATE TABLE IF NOT EXISTS typed_results (
    id INTEGER PRIMARY KEY,
    uuid TEXT NOT NULL UNIQUE,
    first_version TEXT NOT NULL,
    replaces INTEGER UNIQUE REFERENCES typed_results(id),
    point_id INTEGER REFERENCES points(id) ON DELETE SET NULL,
    method TEXT NOT NULL,
    measured_date TEXT NOT NULL,
    measured_time TEXT NOT NULL,
    instrument TEXT NOT NULL,
    measured_by TEXT NOT NULL,
    note TEXT NOT NULL,
    typed_by TEXT NOT NULL,
    typed_at TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS typed_values (
    version_id INTEGER NOT NULL REFERENCES typed_results(id) ON DELETE CASCADE,
    ordinal INTEGER NOT NULL,
    name TEXT NOT NULL,
    value REAL,
    over_range_bound REAL,
    CHECK ((value IS NULL) <> (over_range_bound IS NULL)),
    PRIMARY KEY (version_id, ordinal)
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS typed_results_point ON typed_results(point_id, measured_date, measured_time);
CREATE INDEX IF NOT EXISTS typed_results_chain ON typed_results(first_version);
CREATE TRIGGER IF NOT EXISTS typed_results_fixed
    BEFORE UPDATE OF id, uuid, first_version, replaces, method, measured_date, measured_time, instrument,
                     measured_by, note, typed_by, typed_at ON typed_results
    BEGIN SELECT RAISE(ABORT, 'a typed result never changes; its correction is a new version'); END;
CREATE TRIGGER IF NOT EXISTS typed_values_fixed BEFORE UPDATE ON typed_values
    BEGIN SELECT RAISE(ABORT, 'a typed result never changes; its correction is a new version'); END;
)sql";

}  // namespace

int MigrateToLayout8(Database& db) {
    return db.Exec(kTypedResults);
}

}  // namespace terrovane::archive

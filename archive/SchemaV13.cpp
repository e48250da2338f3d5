#include "SchemaV13.h"

namespace terrovane::archive {
namespace {

// A traverse or a sounding written on paper and typed in is kept as it was measured, like a typed result:
// when, with which instrument, by whom, who typed it; its readings one row each in the order typed. A
// traverse belongs to its test point and a sounding to its site, and each goes with its owner. A sounding
// keeps what was read (a resistance or an apparent resistivity) with its array, so the apparent
// resistivity is always worked out the one way the fit expects. Every statement may run again: a file one
// step behind by the grid assessments' rule runs this step a second time.
constexpr const char* kTypedSeries = R"sql(
CREATE TABLE IF NOT EXISTS typed_traverses (
    id INTEGER PRIMARY KEY,
    point_id INTEGER NOT NULL REFERENCES points(id) ON DELETE CASCADE,
    current_probe_m REAL NOT NULL CHECK (current_probe_m > 0),
    measured_date TEXT NOT NULL,
    measured_time TEXT NOT NULL,
    instrument TEXT NOT NULL,
    measured_by TEXT NOT NULL,
    note TEXT NOT NULL,
    typed_by TEXT NOT NULL,
    typed_at TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS typed_traverse_readings (
    traverse_id INTEGER NOT NULL REFERENCES typed_traverses(id) ON DELETE CASCADE,
    ordinal INTEGER NOT NULL,
    potential_probe_m REAL NOT NULL CHECK (potential_probe_m > 0),
    resistance_ohm REAL NOT NULL CHECK (resistance_ohm > 0),
    PRIMARY KEY (traverse_id, ordinal)
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS typed_traverses_point ON typed_traverses(point_id, measured_date, measured_time);
CREATE TABLE IF NOT EXISTS typed_soundings (
    id INTEGER PRIMARY KEY,
    site_id INTEGER NOT NULL REFERENCES sites(id) ON DELETE CASCADE,
    electrode_array TEXT NOT NULL CHECK (electrode_array IN ('wenner', 'schlumberger')),
    quantity TEXT NOT NULL CHECK (quantity IN ('resistance', 'resistivity')),
    measured_date TEXT NOT NULL,
    measured_time TEXT NOT NULL,
    instrument TEXT NOT NULL,
    measured_by TEXT NOT NULL,
    note TEXT NOT NULL,
    typed_by TEXT NOT NULL,
    typed_at TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS typed_sounding_points (
    sounding_id INTEGER NOT NULL REFERENCES typed_soundings(id) ON DELETE CASCADE,
    ordinal INTEGER NOT NULL,
    spacing_m REAL NOT NULL CHECK (spacing_m > 0),
    reading REAL NOT NULL CHECK (reading > 0),
    PRIMARY KEY (sounding_id, ordinal)
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS typed_soundings_site ON typed_soundings(site_id, measured_date, measured_time);
)sql";

}  // namespace

int MigrateToLayout13(Database& db) {
    return db.Exec(kTypedSeries);
}

}  // namespace terrovane::archive

#include "SchemaV3.h"

namespace terrovane::archive {

// Sites and their test points, each result assigned to at most one point. A limit or a re-test interval
// set on a site is inherited by its points; one set on a point wins. Deleting a point leaves its results
// unassigned; the deleting code clears them first as well, so an old SQLite without foreign keys keeps
// no dangling point. A point keeps the newest measuring date of its results, brought up to date by every
// assignment, so the due list of tens of thousands of points is one pass over the points.
const char* const kLayout3 = R"sql(
CREATE TABLE sites (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    address TEXT NOT NULL DEFAULT '',
    latitude REAL,
    longitude REAL,
    notes TEXT NOT NULL DEFAULT '',
    limit_ohm REAL,
    limit_source TEXT,
    interval_months INTEGER
);
CREATE TABLE points (
    id INTEGER PRIMARY KEY,
    site_id INTEGER NOT NULL REFERENCES sites(id),
    name TEXT NOT NULL,
    kind TEXT NOT NULL DEFAULT 'other',
    notes TEXT NOT NULL DEFAULT '',
    limit_ohm REAL,
    limit_source TEXT,
    interval_months INTEGER,
    ordinal INTEGER NOT NULL DEFAULT 0,
    last_measured TEXT,
    UNIQUE (site_id, name)
);
CREATE INDEX points_site ON points(site_id, ordinal, name);
ALTER TABLE results ADD COLUMN point_id INTEGER REFERENCES points(id) ON DELETE SET NULL;
CREATE INDEX results_point ON results(point_id, measured_on, measured_time);
)sql";

}  // namespace terrovane::archive

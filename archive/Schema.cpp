#include "Schema.h"

#include <sqlite3.h>

#include <array>

#include "GridAssessments.h"
#include "SchemaV3.h"
#include "SchemaV4.h"

namespace terrovane::archive {
namespace {

// The first layout: read-outs with their whole image, each distinct result once (keyed by the digest of
// its packet) with its decoded fields, and the slots that link a read-out to its results.
constexpr const char* kLayout1 = R"sql(
CREATE TABLE readouts (
    id INTEGER PRIMARY KEY,
    read_at TEXT NOT NULL,
    port TEXT NOT NULL,
    image BLOB NOT NULL
);
CREATE TABLE results (
    id INTEGER PRIMARY KEY,
    content_key BLOB NOT NULL UNIQUE,
    packet BLOB NOT NULL,
    first_readout INTEGER NOT NULL REFERENCES readouts(id),
    first_slot INTEGER NOT NULL,
    mode INTEGER NOT NULL,
    measured_on TEXT NOT NULL,
    measured_time TEXT NOT NULL,
    voltage_code INTEGER NOT NULL,
    frequency_code INTEGER NOT NULL,
    v0 REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, v6 REAL, v7 REAL, v8 REAL, v9 REAL, v10 REAL,
    distance INTEGER NOT NULL
);
CREATE TABLE readout_slots (
    readout_id INTEGER NOT NULL REFERENCES readouts(id),
    slot INTEGER NOT NULL,
    result_id INTEGER NOT NULL REFERENCES results(id),
    PRIMARY KEY (readout_id, slot)
) WITHOUT ROWID;
)sql";

// Labels and notes for results and read-outs, and the indexes the History window's order and filters need.
constexpr const char* kLayout2 = R"sql(
CREATE TABLE labels (
    id INTEGER PRIMARY KEY,
    text TEXT NOT NULL UNIQUE
);
ALTER TABLE readouts ADD COLUMN label_id INTEGER REFERENCES labels(id);
ALTER TABLE readouts ADD COLUMN note TEXT;
ALTER TABLE results ADD COLUMN label_id INTEGER REFERENCES labels(id);
ALTER TABLE results ADD COLUMN note TEXT;
CREATE INDEX results_newest ON results(first_readout DESC, first_slot);
CREATE INDEX results_mode ON results(mode, first_readout DESC, first_slot);
CREATE INDEX results_measured ON results(measured_on, measured_time);
CREATE INDEX results_mode_measured ON results(mode, measured_on, measured_time);
CREATE INDEX results_label ON results(label_id, measured_on, measured_time);
CREATE INDEX readout_slots_result ON readout_slots(result_id);
CREATE INDEX readouts_read_at ON readouts(read_at);
)sql";

// Step i takes a file from layout i to layout i + 1.
const std::array<const char*, kSchemaVersion> kSteps = {kLayout1, kLayout2, kLayout3, kLayout4};

int UserVersion(Database& db, int& version) {
    Statement query;
    int rc = query.Prepare(db, "PRAGMA user_version");
    if (rc != SQLITE_OK) {
        return rc;
    }
    rc = query.Step();
    if (rc != SQLITE_ROW) {
        return rc;
    }
    version = static_cast<int>(query.Int(0));
    return SQLITE_OK;
}

int Fail(Database& db, std::string& error, int rc) {
    error = db.Error();
    db.Exec("ROLLBACK");
    return rc;
}

}  // namespace

int MigrateSchema(Database& db, std::string& error) {
    int rc = db.Exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) {
        error = db.Error();
        return rc;
    }
    int version = 0;
    rc = UserVersion(db, version);
    if (rc != SQLITE_OK) {
        return Fail(db, error, rc);
    }
    if (version > kSchemaVersion) {
        db.Exec("ROLLBACK");
        error = "the archive was written by a newer version of the program (layout " +
                std::to_string(version) + ")";
        return SQLITE_ERROR;
    }
    for (int step = version; step < kSchemaVersion; ++step) {
        rc = db.Exec(kSteps[static_cast<std::size_t>(step)]);
        if (rc != SQLITE_OK) {
            return Fail(db, error, rc);
        }
    }
    // Grid assessments came beside the layouts' steps; the table is made wherever it is missing.
    rc = db.Exec(kGridAssessmentsTable);
    if (rc != SQLITE_OK) {
        return Fail(db, error, rc);
    }
    if (version != kSchemaVersion) {
        rc = db.Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
        if (rc != SQLITE_OK) {
            return Fail(db, error, rc);
        }
    }
    rc = db.Exec("COMMIT");
    if (rc != SQLITE_OK) {
        return Fail(db, error, rc);
    }
    return SQLITE_OK;
}

}  // namespace terrovane::archive

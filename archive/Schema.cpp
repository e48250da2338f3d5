#include "Schema.h"

#include <sqlite3.h>

#include <array>

#include "GridAssessments.h"
#include "SchemaV10.h"
#include "SchemaV11.h"
#include "SchemaV12.h"
#include "SchemaV13.h"
#include "SchemaV14.h"
#include "SchemaV15.h"
#include "SchemaV16.h"
#include "SchemaV17.h"
#include "SchemaV18.h"
#include "SchemaV3.h"
#include "SchemaV4.h"
#include "SchemaV5.h"
#include "SchemaV6.h"
#include "SchemaV7.h"
#include "SchemaV8.h"
#include "SchemaV9.h"
#include "Transaction.h"

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

int RunStep(Database& db, int step) {
    if (const char* sql = LayoutStepSql(step); sql != nullptr) {
        return db.Exec(sql);
    }
    return step == 4    ? MigrateToLayout5(db)
           : step == 5  ? MigrateToLayout6(db)
           : step == 6  ? MigrateToLayout7(db)
           : step == 7  ? MigrateToLayout8(db)
           : step == 8  ? MigrateToLayout9(db)
           : step == 9  ? MigrateToLayout10(db)
           : step == 10 ? MigrateToLayout11(db)
           : step == 11 ? MigrateToLayout12(db)
           : step == 12 ? MigrateToLayout13(db)
           : step == 13 ? MigrateToLayout14(db)
           : step == 14 ? MigrateToLayout15(db)
           : step == 15 ? MigrateToLayout16(db)
           : step == 16 ? MigrateToLayout17(db)
                        : MigrateToLayout18(db);
}

// The layout as a reader sees it: most openings find it current and never take the write lock. A file
// of the present layout without the grid assessments' table (which came beside the layouts' steps) counts
// as one step behind, so that the migration makes the table.
Result<int> CurrentLayout(Database& db) {
    const ReadTransaction transaction(db);
    if (Status begun = transaction.Begun(); !begun) {
        return begun.Error();
    }
    Statement grid;
    int rc = grid.Prepare(db, "SELECT count(*) FROM sqlite_schema WHERE name = 'grid_assessments'");
    if (rc == SQLITE_OK && (rc = grid.Step()) == SQLITE_ROW) {
        return transaction.Layout() == kSchemaVersion && grid.Int(0) == 0 ? kSchemaVersion - 1
                                                                          : transaction.Layout();
    }
    return LastFailure(db, rc);
}

Status Migrate(Database& db) {
    WriteTransaction transaction(db);
    if (Status begun = transaction.Begun(); !begun) {
        return begun;
    }
    const int version = transaction.Layout();
    if (version > kSchemaVersion) {
        return LayoutFailure(version);
    }
    for (int step = version; step < kSchemaVersion; ++step) {
        if (const int rc = RunStep(db, step); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
    }
    // Grid assessments came beside the layouts' steps; every migration makes the table where it is missing.
    if (const int rc = db.Exec(kGridAssessmentsTable); rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    if (version != kSchemaVersion) {
        const int rc = db.Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
    }
    return transaction.Commit();
}

}  // namespace

const char* LayoutStepSql(int step) {
    static const std::array<const char*, 4> kSteps = {kLayout1, kLayout2, kLayout3, kLayout4};
    return step >= 0 && step < static_cast<int>(kSteps.size()) ? kSteps[static_cast<std::size_t>(step)]
                                                               : nullptr;
}

Failure LayoutFailure(int layout) {
    Failure failure;
    failure.code = layout > kSchemaVersion ? ErrorCode::NewerLayout : ErrorCode::Failed;
    failure.arguments = {std::to_string(layout)};
    failure.sqliteMessage = layout > kSchemaVersion
                                ? "the archive was written by a newer version of the program (layout " +
                                      std::to_string(layout) + ")"
                                : "the archive has layout " + std::to_string(layout) + " instead of " +
                                      std::to_string(kSchemaVersion);
    return failure;
}

Status MigrateIfOlder(Database& db) {
    const Result<int> layout = CurrentLayout(db);
    if (!layout) {
        return layout.Error();
    }
    if (layout.Value() == kSchemaVersion) {
        return Done{};
    }
    if (layout.Value() > kSchemaVersion) {
        return LayoutFailure(layout.Value());
    }
    return Migrate(db);
}

}  // namespace terrovane::archive

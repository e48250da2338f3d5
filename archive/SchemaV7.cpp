#include "SchemaV7.h"

#include <sqlite3.h>

#include <string>

#include "GridAssessments.h"
#include "Hlc.h"

namespace terrovane::archive {
namespace {

// A stored analysis never changes: it goes to the team once, as content, and what the sync keeps of it is
// its uuid, the key of the content sent or received, its site (the server judges rights by it) and, while
// what it belongs to has not arrived yet, the body received.
constexpr const char* kSyncAnalyses = R"sql(
CREATE TABLE sync_analyses (
    uuid TEXT PRIMARY KEY,
    kind TEXT NOT NULL,
    key TEXT NOT NULL,
    site TEXT,
    waiting TEXT
) WITHOUT ROWID;
)sql";

// A new analysis is listed by its row, a deleted one by its uuid (its row is gone, and the next one may
// get the same row id). The deletion goes even when the analysis went with its site or point, so every
// archive ends without it.
constexpr const char* kAnalysisOutboxTriggers = R"sql(
CREATE TRIGGER soil_models_outbox_made AFTER INSERT ON soil_models
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('soil_model', NEW.id); END;
CREATE TRIGGER soil_models_outbox_deleted AFTER DELETE ON soil_models
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('analysis_deleted', OLD.uuid); END;
CREATE TRIGGER fop_curves_outbox_made AFTER INSERT ON fop_curves
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('fop_curve', NEW.id); END;
CREATE TRIGGER fop_curves_outbox_deleted AFTER DELETE ON fop_curves
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('analysis_deleted', OLD.uuid); END;
CREATE TRIGGER grid_assessments_outbox_made AFTER INSERT ON grid_assessments
    WHEN NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('grid_assessment', NEW.id); END;
CREATE TRIGGER grid_assessments_outbox_deleted AFTER DELETE ON grid_assessments
    WHEN OLD.uuid IS NOT NULL AND NOT EXISTS (SELECT 1 FROM sync_applying)
    BEGIN INSERT OR IGNORE INTO sync_outbox VALUES ('analysis_deleted', OLD.uuid); END;
)sql";

// The analyses the file held before are all unsent.
constexpr const char* kEveryAnalysisUnsent = R"sql(
INSERT OR IGNORE INTO sync_outbox SELECT 'soil_model', id FROM soil_models;
INSERT OR IGNORE INTO sync_outbox SELECT 'fop_curve', id FROM fop_curves;
INSERT OR IGNORE INTO sync_outbox SELECT 'grid_assessment', id FROM grid_assessments;
)sql";

}  // namespace

int MigrateToLayout7(Database& db) {
    // Grid assessments get the ids and stamps the other analyses have had since layout 5.
    const std::string gridStamps = StampedTableSql("grid_assessments");
    for (const char* sql : {kGridAssessmentsTable, gridStamps.c_str(), kSyncAnalyses, kAnalysisOutboxTriggers,
                            kEveryAnalysisUnsent}) {
        if (const int rc = db.Exec(sql); rc != SQLITE_OK) {
            return rc;
        }
    }
    return SQLITE_OK;
}

}  // namespace terrovane::archive

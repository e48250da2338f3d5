#include "SchemaV11.h"

namespace terrovane::archive {
namespace {

// Which photos go into the site report, beside their captions: a table of its own rather than a column, so
// the step may run again (a file one step behind by the grid assessments' rule does) and a choice goes with
// its attachment.
constexpr const char* kReportPhotos = R"sql(
CREATE TABLE IF NOT EXISTS report_photos (
    attachment_id INTEGER PRIMARY KEY REFERENCES attachments(id) ON DELETE CASCADE
);
)sql";

}  // namespace

int MigrateToLayout11(Database& db) {
    return db.Exec(kReportPhotos);
}

}  // namespace terrovane::archive

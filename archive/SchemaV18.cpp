#include "SchemaV18.h"

#include <sqlite3.h>

namespace terrovane::archive {

// MN/2 in metres for a Schlumberger reading, NULL for a Wenner one and for a Schlumberger sounding typed
// before MN/2 was asked for (which is kept and listed but cannot be fitted).
int MigrateToLayout18(Database& db) {
    // A file one step behind by the grid assessments' rule runs this step a second time, and a column
    // cannot be added twice.
    Statement known;
    int rc = known.Prepare(db,
                           "SELECT count(*) FROM pragma_table_info('typed_sounding_points') "
                           "WHERE name = 'mn2_m'");
    if (rc != SQLITE_OK) {
        return rc;
    }
    if ((rc = known.Step()) != SQLITE_ROW) {
        return rc;
    }
    if (known.Int(0) > 0) {
        return SQLITE_OK;
    }
    return db.Exec("ALTER TABLE typed_sounding_points ADD COLUMN mn2_m REAL CHECK (mn2_m > 0)");
}

}  // namespace terrovane::archive

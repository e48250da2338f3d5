#include "SchemaV5.h"

#include <sqlite3.h>

#include <algorithm>

#include "ArchiveTypes.h"
#include "Hlc.h"
#include "MeasuringDate.h"

namespace terrovane::archive {
namespace {

// measured_on keeps the text the instrument's bytes read as (shown as before); measured_date holds the
// date only when it is one, and is what filters, orders, latest tests and due dates go by.
constexpr const char* kDates = R"sql(
ALTER TABLE results ADD COLUMN measured_date TEXT;
ALTER TABLE results ADD COLUMN measured_raw BLOB;
)sql";

constexpr const char* kDateIndexes = R"sql(
CREATE INDEX results_dated ON results(measured_date, measured_time);
CREATE INDEX results_point_dated ON results(point_id, measured_date, measured_time);
UPDATE points SET last_measured =
    (SELECT max(r.measured_date) FROM results r WHERE r.point_id = points.id);
)sql";

int CheckDates(Database& db) {
    Statement rows;
    Statement update;
    int rc = rows.Prepare(db, "SELECT id, packet FROM results");
    if (rc == SQLITE_OK) {
        rc = update.Prepare(db, "UPDATE results SET measured_date = ?, measured_raw = ? WHERE id = ?");
    }
    while (rc == SQLITE_OK && (rc = rows.Step()) == SQLITE_ROW) {
        const std::vector<std::uint8_t> bytes = rows.Blob(1);
        Packet packet{};
        std::copy_n(bytes.begin(), std::min(bytes.size(), packet.size()), packet.begin());
        const auto record = record::MeasurementRecord::FromPacket(packet);
        update.Reset();
        update.Bind(1, ValidMeasuringDate(record));
        update.BindBlob(2, MeasuringBytes(record));
        update.Bind(3, rows.Int(0));
        rc = update.Step() == SQLITE_DONE ? SQLITE_OK : db.ExtendedErrorCode();
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

int MigrateToLayout5(Database& db) {
    int rc = db.Exec(kDates);
    if (rc == SQLITE_OK) {
        rc = CheckDates(db);
    }
    if (rc == SQLITE_OK) {
        rc = db.Exec(kDateIndexes);
    }
    if (rc == SQLITE_OK) {
        rc = db.Exec(StampsLayoutSql().c_str());
    }
    return rc;
}

}  // namespace terrovane::archive

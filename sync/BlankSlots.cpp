#include "BlankSlots.h"

#include "LocalSql.h"
#include "LocalState.h"

namespace terrovane::sync {

bool WantsSlotsFilled(archive::Database& db, const std::string& localId, const PulledChange& change) {
    if (change.source != "content" || change.kind != "readout") {
        return false;
    }
    if (change.field) {
        return Single(db,
                      "SELECT 1 FROM readouts WHERE id = ?1 AND NOT EXISTS (SELECT 1 FROM results WHERE "
                      "content_key = ?2)",
                      {WholeNumber(localId, 0), KeyBytes(*change.field)})
            .has_value();
    }
    if (!change.site) {
        return false;
    }
    // A slot of 72 zero bytes: another site's result the server left out, or the instrument's empty slot.
    return Single(db,
                  "WITH RECURSIVE s(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM s WHERE n < 99) "
                  "SELECT 1 FROM readouts r, s WHERE r.id = ?1 AND substr(r.image, n * 72 + 1, 72) = "
                  "zeroblob(72) LIMIT 1",
                  {WholeNumber(localId, 0)})
        .has_value();
}

}  // namespace terrovane::sync

// Fall-of-potential curves kept with their test point: the readings and the current-probe distance.
#include "FopCurves.h"

#include <sqlite3.h>

#include <cmath>

#include "LeftOutNotes.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "StoredNumbers.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

Status InsertReadings(Database& db, std::int64_t curve, const std::vector<StoredFopReading>& readings) {
    Statement insert;
    int rc = insert.Prepare(
        db,
        "INSERT INTO fop_readings (curve_id, ordinal, potential_probe_m, resistance_ohm, result_id) "
        "VALUES (?, ?, ?, ?, (SELECT id FROM results WHERE id = ?))");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < readings.size(); ++i) {
        insert.Reset();
        insert.Bind(1, curve);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, readings[i].distance);
        insert.Bind(4, readings[i].resistance);
        if (readings[i].result) {
            insert.Bind(5, *readings[i].result);
        } else {
            insert.BindNull(5);
        }
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Status InsertCurve(Database& db, StoredFopCurve& curve, const std::string& savedAt) {
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT INTO fop_curves (point_id, saved_at, current_probe_m) "
                            "SELECT id, ?, ? FROM points WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, std::string_view(savedAt));
    insert.Bind(2, curve.currentProbe);
    insert.Bind(3, curve.point);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    // No row was inserted when the owner named is not in the archive.
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(kNoPoint, {std::to_string(curve.point)});
    }
    curve.id = db.LastInsertId();
    if (Status readings = InsertReadings(db, curve.id, curve.readings); !readings) {
        return readings;
    }
    return InsertLeftOutNotes(db, LeftOutOf::FopCurve, curve.id, curve.leftOut);
}

Status LoadReadings(Database& db, StoredFopCurve& curve) {
    Statement query;
    int rc = query.Prepare(db,
                           "SELECT potential_probe_m, resistance_ohm, result_id FROM fop_readings WHERE "
                           "curve_id = ? ORDER BY ordinal");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, curve.id);
    while ((rc = query.Step()) == SQLITE_ROW) {
        StoredFopReading reading{query.Real(0), query.Real(1), {}};
        if (!query.IsNull(2)) {
            reading.result = query.Int(2);
        }
        curve.readings.push_back(reading);
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    Result<std::vector<std::string>> notes = LoadLeftOutNotes(db, LeftOutOf::FopCurve, curve.id);
    if (!notes) {
        return notes.Error();
    }
    curve.leftOut = std::move(notes).Value();
    return Done{};
}

Status ReadCurves(Database& db, std::int64_t point, std::vector<StoredFopCurve>& out) {
    Statement query;
    int rc = query.Prepare(db,
                           "SELECT id, saved_at, current_probe_m FROM fop_curves WHERE point_id = ? "
                           "ORDER BY saved_at DESC, id DESC");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, point);
    while ((rc = query.Step()) == SQLITE_ROW) {
        StoredFopCurve curve;
        curve.id = query.Int(0);
        curve.point = point;
        curve.savedAt = query.Text(1);
        curve.currentProbe = query.Real(2);
        out.push_back(std::move(curve));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    for (StoredFopCurve& curve : out) {
        if (Status loaded = LoadReadings(db, curve); !loaded) {
            return loaded;
        }
    }
    return Done{};
}

}  // namespace

std::optional<Failure> FopCurveProblem(const StoredFopCurve& curve) {
    if (!Positive(curve.currentProbe)) {
        return Refused(kCurveProbe);
    }
    if (curve.readings.size() < 2) {
        return Refused(kCurveTooShort);
    }
    for (std::size_t i = 0; i < curve.readings.size(); ++i) {
        if (!Positive(curve.readings[i].distance) || !Positive(curve.readings[i].resistance)) {
            return Refused(kCurveReadingNotPositive, {std::to_string(i + 1)});
        }
    }
    return std::nullopt;
}

Status StoreFopCurve(Archive& archive, StoredFopCurve& curve) {
    if (std::optional<Failure> problem = FopCurveProblem(curve)) {
        return *problem;
    }
    const std::string savedAt = NowIso8601();
    StoredFopCurve stored = curve;
    const Status done = archive.Run(Archive::Access::Write,
                                    [&](Database& db) -> Status { return InsertCurve(db, stored, savedAt); });
    if (done) {
        curve.id = stored.id;
        curve.savedAt = savedAt;
    }
    return done;
}

Result<std::vector<StoredFopCurve>> FopCurves(Archive& archive, std::int64_t point) {
    std::vector<StoredFopCurve> curves;
    const Status read = archive.Run(Archive::Access::Read,
                                    [&](Database& db) -> Status { return ReadCurves(db, point, curves); });
    if (!read) {
        return read.Error();
    }
    return curves;
}

Status DeleteFopCurve(Archive& archive, std::int64_t id) {
    return DeleteById(archive, "DELETE FROM fop_curves WHERE id = ?", id, kNoFopCurve);
}

}  // namespace terrovane::archive

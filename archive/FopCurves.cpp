// Fall-of-potential curves kept with their test point: the readings and the current-probe distance.
#include "FopCurves.h"

#include <cmath>

#include "LeftOutNotes.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "StoredNumbers.h"

namespace terrovane::archive {
namespace {

bool InsertReadings(Database& db, std::int64_t curve, const std::vector<StoredFopReading>& readings,
                    std::string& error) {
    Statement insert;
    if (!Prepared(
            db, insert,
            "INSERT INTO fop_readings (curve_id, ordinal, potential_probe_m, resistance_ohm, result_id) "
            "VALUES (?, ?, ?, ?, (SELECT id FROM results WHERE id = ?))",
            error)) {
        return false;
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
        if (!StepDone(db, insert, error)) {
            return false;
        }
    }
    return true;
}

bool LoadReadings(Database& db, StoredFopCurve& curve, std::string& error) {
    Statement query;
    if (!Prepared(db, query,
                  "SELECT potential_probe_m, resistance_ohm, result_id FROM fop_readings WHERE curve_id = ? "
                  "ORDER BY ordinal",
                  error)) {
        return false;
    }
    query.Bind(1, curve.id);
    return EachRow(
               db, query,
               [&](const Statement& row) {
                   StoredFopReading reading{row.Real(0), row.Real(1), {}};
                   if (!row.IsNull(2)) {
                       reading.result = row.Int(2);
                   }
                   curve.readings.push_back(reading);
                   return true;
               },
               error) &&
           LoadLeftOutNotes(db, LeftOutOf::FopCurve, curve.id, curve.leftOut, error);
}

}  // namespace

std::string FopCurveProblem(const StoredFopCurve& curve) {
    if (!Positive(curve.currentProbe)) {
        return "the current-probe distance is a number above 0";
    }
    if (curve.readings.size() < 2) {
        return "a fall-of-potential curve needs at least two readings";
    }
    for (std::size_t i = 0; i < curve.readings.size(); ++i) {
        if (!Positive(curve.readings[i].distance) || !Positive(curve.readings[i].resistance)) {
            return "reading " + std::to_string(i + 1) + ": a distance and a resistance are numbers above 0";
        }
    }
    return {};
}

bool StoreFopCurve(Archive& archive, StoredFopCurve& curve, std::string& error) {
    if (const std::string problem = FopCurveProblem(curve); !problem.empty()) {
        error = problem;
        return false;
    }
    const std::string savedAt = NowIso8601();
    std::int64_t id = 0;
    const bool stored = InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement insert;
            if (!Prepared(db, insert,
                          "INSERT INTO fop_curves (point_id, saved_at, current_probe_m) "
                          "SELECT id, ?, ? FROM points WHERE id = ?",
                          failure)) {
                return false;
            }
            insert.Bind(1, std::string_view(savedAt));
            insert.Bind(2, curve.currentProbe);
            insert.Bind(3, curve.point);
            // No row was inserted when the owner named is not in the archive.
            if (!StepDone(db, insert, failure) || !Changed(db, kNoPoint, curve.point, failure)) {
                return false;
            }
            id = db.LastInsertId();
            return InsertReadings(db, id, curve.readings, failure) &&
                   InsertLeftOutNotes(db, LeftOutOf::FopCurve, id, curve.leftOut, failure);
        },
        error);
    if (stored) {
        curve.id = id;
        curve.savedAt = savedAt;
    }
    return stored;
}

bool FopCurves(Archive& archive, std::int64_t point, std::vector<StoredFopCurve>& out, std::string& error) {
    out.clear();
    return archive.Read(
        [&](Database& db, std::string& failure) {
            Statement curves;
            if (!Prepared(db, curves,
                          "SELECT id, saved_at, current_probe_m FROM fop_curves WHERE point_id = ? "
                          "ORDER BY saved_at DESC, id DESC",
                          failure)) {
                return false;
            }
            curves.Bind(1, point);
            return EachRow(
                db, curves,
                [&](const Statement& row) {
                    StoredFopCurve curve;
                    curve.id = row.Int(0);
                    curve.point = point;
                    curve.savedAt = row.Text(1);
                    curve.currentProbe = row.Real(2);
                    if (!LoadReadings(db, curve, failure)) {
                        return false;
                    }
                    out.push_back(std::move(curve));
                    return true;
                },
                failure);
        },
        error);
}

bool DeleteFopCurve(Archive& archive, std::int64_t id, std::string& error) {
    return DeleteById(archive, "DELETE FROM fop_curves WHERE id = ?", id, kNoFopCurve, error);
}

}  // namespace terrovane::archive

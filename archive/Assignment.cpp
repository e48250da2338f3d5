// Assigning results to test points.
#include <sqlite3.h>

#include <set>

#include "Problems.h"
#include "SiteStatements.h"
#include "Sites.h"

namespace terrovane::archive {
namespace {

bool AssignOne(Database& db, Statement& update, std::int64_t result, std::optional<std::int64_t> point,
               std::string& error) {
    update.Reset();
    if (point) {
        update.Bind(1, *point);
    } else {
        update.BindNull(1);
    }
    update.Bind(2, result);
    if (!StepDone(db, update, error)) {
        return false;
    }
    return Changed(db, kNoResult, result, error);
}

// The points the results are assigned to now, before they move.
bool FormerPoints(Database& db, const std::vector<std::int64_t>& results, std::set<std::int64_t>& points,
                  std::string& error) {
    Statement query;
    if (!Prepared(db, query, "SELECT point_id FROM results WHERE id = ? AND point_id IS NOT NULL", error)) {
        return false;
    }
    for (const std::int64_t result : results) {
        query.Reset();
        query.Bind(1, result);
        const int rc = query.Step();
        if (rc == SQLITE_ROW) {
            points.insert(query.Int(0));
        } else if (rc != SQLITE_DONE) {
            error = db.Error();
            return false;
        }
    }
    return true;
}

bool PointExists(Database& db, std::int64_t point, std::string& error) {
    Statement query;
    if (!Prepared(db, query, "SELECT 1 FROM points WHERE id = ?", error)) {
        return false;
    }
    query.Bind(1, point);
    if (query.Step() != SQLITE_ROW) {
        error = Problem(kNoPoint, {std::to_string(point)});
        return false;
    }
    return true;
}

}  // namespace

bool RefreshLastMeasured(Database& db, const std::set<std::int64_t>& points, std::string& error) {
    Statement update;
    if (!Prepared(
            db, update,
            "UPDATE points SET last_measured = (SELECT r.measured_date FROM results r WHERE r.point_id = "
            "points.id AND r.measured_date IS NOT NULL ORDER BY r.point_id DESC, r.measured_date DESC "
            "LIMIT 1) WHERE id = ?",
            error)) {
        return false;
    }
    for (const std::int64_t point : points) {
        update.Reset();
        update.Bind(1, point);
        if (!StepDone(db, update, error)) {
            return false;
        }
    }
    return true;
}

bool Assign(Archive& archive, const std::vector<std::int64_t>& results, std::optional<std::int64_t> point,
            std::string& error) {
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement update;
            std::set<std::int64_t> touched;
            if ((point && !PointExists(db, *point, failure)) ||
                !FormerPoints(db, results, touched, failure) ||
                !Prepared(db, update, "UPDATE results SET point_id = ? WHERE id = ?", failure)) {
                return false;
            }
            for (const std::int64_t result : results) {
                if (!AssignOne(db, update, result, point, failure)) {
                    return false;
                }
            }
            if (point) {
                touched.insert(*point);
            }
            return RefreshLastMeasured(db, touched, failure);
        },
        error);
}

bool AssignInOrder(Archive& archive, const std::vector<std::int64_t>& results, std::int64_t site,
                   int firstPoint, std::string& error) {
    // The points are read in the same transaction that assigns, so none can move or go in between.
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            std::vector<PointRow> points;
            if (!Points(archive, site, points, failure)) {
                return false;
            }
            if (firstPoint < 0 || points.size() < static_cast<std::size_t>(firstPoint) + results.size()) {
                const std::size_t from = std::min<std::size_t>(points.size(), std::max(firstPoint, 0));
                failure = Problem(kTooFewPoints,
                                  {std::to_string(points.size() - from), std::to_string(results.size())});
                return false;
            }
            Statement update;
            std::set<std::int64_t> touched;
            if (!FormerPoints(db, results, touched, failure) ||
                !Prepared(db, update, "UPDATE results SET point_id = ? WHERE id = ?", failure)) {
                return false;
            }
            for (std::size_t i = 0; i < results.size(); ++i) {
                const PointRow& point = points[static_cast<std::size_t>(firstPoint) + i];
                if (!AssignOne(db, update, results[i], point.id, failure)) {
                    return false;
                }
                touched.insert(point.id);
            }
            return RefreshLastMeasured(db, touched, failure);
        },
        error);
}

}  // namespace terrovane::archive

// Fall-of-potential traverses typed by hand, kept with their test point as they were measured.
#include "TypedTraverses.h"

#include <sqlite3.h>

#include <cmath>

#include "Problems.h"
#include "Transaction.h"
#include "TypedResults.h"

namespace terrovane::archive {
namespace {

constexpr const char* kTraverseColumns =
    "SELECT t.id, t.point_id, s.name, p.name, t.current_probe_m, t.measured_date, t.measured_time, "
    "t.instrument, t.measured_by, t.note, t.typed_by, t.typed_at FROM typed_traverses t "
    "JOIN points p ON p.id = t.point_id JOIN sites s ON s.id = p.site_id";

Status InsertTraverse(Database& db, const TypedTraverse& traverse, std::int64_t& id) {
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT INTO typed_traverses (point_id, current_probe_m, measured_date, "
                            "measured_time, instrument, measured_by, note, typed_by, typed_at) "
                            "SELECT id, ?, ?, ?, ?, ?, ?, ?, ? FROM points WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, traverse.currentProbe);
    BindTaking(insert, 2, traverse.taking, NowIso8601());
    insert.Bind(9, traverse.point);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    // No row was inserted when the point named is not in the archive.
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(kNoPoint, {std::to_string(traverse.point)});
    }
    id = db.LastInsertId();
    Statement reading;
    if ((rc = reading.Prepare(db, "INSERT INTO typed_traverse_readings VALUES (?, ?, ?, ?)")) != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < traverse.readings.size(); ++i) {
        reading.Reset();
        reading.Bind(1, id);
        reading.Bind(2, static_cast<std::int64_t>(i));
        reading.Bind(3, traverse.readings[i].distance);
        reading.Bind(4, traverse.readings[i].resistance);
        if ((rc = reading.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

// The traverses the statement selects, with their readings.
Status ReadTraverses(Database& db, Statement& query, std::vector<TypedTraverse>& out) {
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        TypedTraverse traverse;
        traverse.id = query.Int(0);
        traverse.point = query.Int(1);
        traverse.site = query.Text(2);
        traverse.pointName = query.Text(3);
        traverse.currentProbe = query.Real(4);
        traverse.taking = TakingAt(query, 5, traverse.typedAt);
        out.push_back(std::move(traverse));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    Statement readings;
    if ((rc = readings.Prepare(db,
                               "SELECT potential_probe_m, resistance_ohm FROM typed_traverse_readings "
                               "WHERE traverse_id = ? ORDER BY ordinal")) != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (TypedTraverse& traverse : out) {
        readings.Reset();
        readings.Bind(1, traverse.id);
        while ((rc = readings.Step()) == SQLITE_ROW) {
            traverse.readings.push_back({readings.Real(0), readings.Real(1)});
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Result<std::vector<TypedTraverse>> SelectTraverses(Archive& archive, const std::string& where,
                                                   std::int64_t key) {
    std::vector<TypedTraverse> traverses;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        if (const int rc = query.Prepare(db, std::string(kTraverseColumns) + where); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, key);
        return ReadTraverses(db, query, traverses);
    });
    if (!read) {
        return read.Error();
    }
    return traverses;
}

}  // namespace

std::optional<Failure> TypedTraverseProblem(const TypedTraverse& traverse, const std::string& now) {
    if (!std::isfinite(traverse.currentProbe) || !(traverse.currentProbe > 0)) {
        return Refused(kTraverseProbe);
    }
    std::vector<std::pair<double, double>> pairs;
    for (const TypedTraverseReading& reading : traverse.readings) {
        pairs.emplace_back(reading.distance, reading.resistance);
    }
    if (const std::optional<Failure> problem =
            TypedReadingsProblem(pairs, 2, kMostTypedReadings, kTraverseTooShort)) {
        return problem;
    }
    return TypedTakingProblem(traverse.taking, now);
}

Result<std::int64_t> AddTypedTraverse(Archive& archive, const TypedTraverse& traverse) {
    if (const std::optional<Failure> problem = TypedTraverseProblem(traverse, NowMinute())) {
        return *problem;
    }
    std::int64_t id = 0;
    const Status stored = archive.Run(
        Archive::Access::Write, [&](Database& db) -> Status { return InsertTraverse(db, traverse, id); });
    if (!stored) {
        return stored.Error();
    }
    return id;
}

Result<std::vector<TypedTraverse>> TypedTraverses(Archive& archive, std::int64_t point) {
    return SelectTraverses(
        archive, " WHERE t.point_id = ? ORDER BY t.measured_date DESC, t.measured_time DESC, t.id DESC",
        point);
}

Result<TypedTraverse> TypedTraverseById(Archive& archive, std::int64_t id) {
    Result<std::vector<TypedTraverse>> found = SelectTraverses(archive, " WHERE t.id = ?", id);
    if (!found) {
        return found.Error();
    }
    if (found.Value().empty()) {
        return Missing(kNoTypedTraverse, {std::to_string(id)});
    }
    return std::move(found.Value().front());
}

}  // namespace terrovane::archive

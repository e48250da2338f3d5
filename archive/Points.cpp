// Test points: each belongs to one site and inherits the site's limit and interval unless it has its own.
#include <sqlite3.h>

#include <cmath>

#include "Problems.h"
#include "SiteStatements.h"
#include "Sites.h"

namespace terrovane::archive {
namespace {

constexpr const char* kPointColumns =
    "SELECT p.id, p.site_id, s.name, p.ordinal, p.name, p.kind, p.notes, p.limit_ohm, p.limit_source, "
    "p.interval_months, coalesce(p.limit_ohm, s.limit_ohm), "
    "CASE WHEN p.limit_ohm IS NULL THEN s.limit_source ELSE p.limit_source END, "
    "coalesce(p.interval_months, s.interval_months), "
    "(SELECT count(*) FROM results r WHERE r.point_id = p.id) FROM points p JOIN sites s ON s.id = p.site_id";

PointRow ReadPoint(const Statement& query) {
    PointRow row;
    row.id = query.Int(0);
    row.site = query.Int(1);
    row.siteName = query.Text(2);
    row.ordinal = static_cast<int>(query.Int(3));
    row.fields.name = query.Text(4);
    row.fields.kind = ParsePointKind(query.Text(5)).value_or(PointKind::Other);
    row.fields.notes = query.Text(6);
    row.fields.limit = LimitAt(query, 7);
    row.fields.intervalMonths = OptionalInt(query, 9);
    row.limit = LimitAt(query, 10);
    row.intervalMonths = OptionalInt(query, 12);
    row.results = static_cast<int>(query.Int(13));
    return row;
}

std::string PointFieldsProblem(const PointFields& fields) {
    if (TrimmedName(fields.name).empty()) {
        return kPointNeedsName;
    }
    if (fields.limit && !(fields.limit->ohms > 0 && std::isfinite(fields.limit->ohms))) {
        return kLimitNotPositive;
    }
    if (fields.intervalMonths && (*fields.intervalMonths < 1 || *fields.intervalMonths > 600)) {
        return kIntervalOutOfRange;
    }
    return {};
}

// Binds name, kind, notes, limit, source and interval from parameter 1 on.
void BindPoint(Statement& statement, const PointFields& fields) {
    const std::string name = TrimmedName(fields.name);
    statement.Bind(1, std::string_view(name));
    statement.Bind(2, std::string_view(PointKindWord(fields.kind)));
    statement.Bind(3, std::string_view(fields.notes));
    BindOptional(statement, 4, fields.limit ? std::optional(fields.limit->ohms) : std::nullopt);
    if (fields.limit) {
        statement.Bind(5, std::string_view(fields.limit->source));
    } else {
        statement.BindNull(5);
    }
    BindOptional(statement, 6, fields.intervalMonths);
}

std::string Taken(const std::string& name, const std::string& error) {
    return error.find("UNIQUE") != std::string::npos ? Problem(kPointNameTaken, {TrimmedName(name)}) : error;
}

bool SiteExists(Database& db, std::int64_t site, std::string& error) {
    Statement query;
    if (!Prepared(db, query, "SELECT 1 FROM sites WHERE id = ?", error)) {
        return false;
    }
    query.Bind(1, site);
    if (query.Step() != SQLITE_ROW) {
        error = Problem(kNoSite, {std::to_string(site)});
        return false;
    }
    return true;
}

bool ChangedPoint(Database& db, std::int64_t id, std::string& error) {
    return Changed(db, kNoPoint, id, error);
}

}  // namespace

bool AddPoint(Archive& archive, std::int64_t site, const PointFields& fields, std::int64_t& id,
              std::string& error) {
    if (!(error = PointFieldsProblem(fields)).empty()) {
        return false;
    }
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement insert;
            if (!SiteExists(db, site, failure) ||
                !Prepared(
                    db, insert,
                    "INSERT INTO points(name, kind, notes, limit_ohm, limit_source, interval_months, "
                    "site_id, ordinal) VALUES (?, ?, ?, ?, ?, ?, ?7, (SELECT coalesce(max(ordinal), 0) + 1 "
                    "FROM points WHERE site_id = ?7))",
                    failure)) {
                return false;
            }
            BindPoint(insert, fields);
            insert.Bind(7, site);
            if (!StepDone(db, insert, failure)) {
                failure = Taken(fields.name, failure);
                return false;
            }
            id = db.LastInsertId();
            return true;
        },
        error);
}

bool UpdatePoint(Archive& archive, std::int64_t id, const PointFields& fields, std::string& error) {
    if (!(error = PointFieldsProblem(fields)).empty()) {
        return false;
    }
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement update;
            if (!Prepared(db, update,
                          "UPDATE points SET name = ?, kind = ?, notes = ?, limit_ohm = ?, limit_source = ?, "
                          "interval_months = ? WHERE id = ?",
                          failure)) {
                return false;
            }
            BindPoint(update, fields);
            update.Bind(7, id);
            if (!StepDone(db, update, failure)) {
                failure = Taken(fields.name, failure);
                return false;
            }
            return ChangedPoint(db, id, failure);
        },
        error);
}

bool MovePoint(Archive& archive, std::int64_t id, std::int64_t site, std::string& error) {
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement move;
            if (!SiteExists(db, site, failure) ||
                !Prepared(db, move,
                          "UPDATE points SET site_id = ?1, ordinal = (SELECT coalesce(max(ordinal), 0) + 1 "
                          "FROM points WHERE site_id = ?1) WHERE id = ?2",
                          failure)) {
                return false;
            }
            move.Bind(1, site);
            move.Bind(2, id);
            if (!StepDone(db, move, failure)) {
                if (failure.find("UNIQUE") != std::string::npos) {
                    failure = kPointNameTakenThere;
                }
                return false;
            }
            return ChangedPoint(db, id, failure);
        },
        error);
}

bool DeletePoint(Archive& archive, std::int64_t id, std::string& error) {
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement unassign;
            Statement remove;
            if (!Prepared(db, unassign, "UPDATE results SET point_id = NULL WHERE point_id = ?", failure) ||
                !Prepared(db, remove, "DELETE FROM points WHERE id = ?", failure)) {
                return false;
            }
            unassign.Bind(1, id);
            remove.Bind(1, id);
            return StepDone(db, unassign, failure) && StepDone(db, remove, failure) &&
                   ChangedPoint(db, id, failure);
        },
        error);
}

bool Points(Archive& archive, std::int64_t site, std::vector<PointRow>& out, std::string& error) {
    return archive.Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            const std::string where = site != 0 ? " WHERE p.site_id = ?" : "";
            if (!Prepared(db, query,
                          std::string(kPointColumns) + where + " ORDER BY s.name, p.site_id, p.ordinal, p.id",
                          failure)) {
                return false;
            }
            if (site != 0) {
                query.Bind(1, site);
            }
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                out.push_back(ReadPoint(query));
            }
            if (rc != SQLITE_DONE) {
                failure = db.Error();
                return false;
            }
            return true;
        },
        error);
}

std::optional<PointRow> PointById(Archive& archive, std::int64_t id, std::string& error) {
    std::optional<PointRow> found;
    const bool read = archive.Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            if (!Prepared(db, query, std::string(kPointColumns) + " WHERE p.id = ?", failure)) {
                return false;
            }
            query.Bind(1, id);
            const int rc = query.Step();
            if (rc == SQLITE_ROW) {
                found = ReadPoint(query);
                return true;
            }
            failure = rc == SQLITE_DONE ? Problem(kNoPoint, {std::to_string(id)}) : db.Error();
            return false;
        },
        error);
    return read ? found : std::nullopt;
}

std::optional<PointRow> FindPoint(Archive& archive, const std::string& site, const std::string& point,
                                  std::string& error) {
    std::optional<PointRow> found;
    const bool read = archive.Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            if (!Prepared(db, query, std::string(kPointColumns) + " WHERE s.name = ? AND p.name = ?",
                          failure)) {
                return false;
            }
            query.Bind(1, std::string_view(TrimmedName(site)));
            query.Bind(2, std::string_view(TrimmedName(point)));
            const int rc = query.Step();
            if (rc == SQLITE_ROW) {
                found = ReadPoint(query);
                return true;
            }
            failure = rc == SQLITE_DONE ? Problem(kNoPointNamed, {TrimmedName(point), TrimmedName(site)})
                                        : db.Error();
            return false;
        },
        error);
    return read ? found : std::nullopt;
}

}  // namespace terrovane::archive

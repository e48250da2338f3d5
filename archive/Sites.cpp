#include "Sites.h"

#include <sqlite3.h>

#include <cmath>

#include "Problems.h"
#include "SiteStatements.h"

namespace terrovane::archive {
namespace {

constexpr const char* kSiteColumns =
    "SELECT s.id, s.name, s.address, s.latitude, s.longitude, s.notes, s.limit_ohm, s.limit_source, "
    "s.interval_months, (SELECT count(*) FROM points p WHERE p.site_id = s.id) FROM sites s";

SiteRow ReadSite(const Statement& query) {
    SiteRow row;
    row.id = query.Int(0);
    row.fields.name = query.Text(1);
    row.fields.address = query.Text(2);
    row.fields.latitude = OptionalReal(query, 3);
    row.fields.longitude = OptionalReal(query, 4);
    row.fields.notes = query.Text(5);
    row.fields.limit = LimitAt(query, 6);
    row.fields.intervalMonths = OptionalInt(query, 8);
    row.points = static_cast<int>(query.Int(9));
    return row;
}

// Why the fields cannot be stored; empty when they can.
std::string SiteFieldsProblem(const SiteFields& fields) {
    if (TrimmedName(fields.name).empty()) {
        return kSiteNeedsName;
    }
    if (fields.latitude.has_value() != fields.longitude.has_value()) {
        return kPositionNeedsBoth;
    }
    if (fields.latitude && (!(std::fabs(*fields.latitude) <= 90) || !(std::fabs(*fields.longitude) <= 180))) {
        return kPositionOutOfRange;
    }
    if (fields.limit && !(fields.limit->ohms > 0 && std::isfinite(fields.limit->ohms))) {
        return kLimitNotPositive;
    }
    if (fields.intervalMonths && (*fields.intervalMonths < 1 || *fields.intervalMonths > 600)) {
        return kIntervalOutOfRange;
    }
    return {};
}

std::string Taken(const std::string& name, const std::string& error) {
    return error.find("UNIQUE") != std::string::npos ? Problem(kSiteNameTaken, {TrimmedName(name)}) : error;
}

void BindLimit(Statement& statement, int index, const std::optional<Limit>& limit) {
    BindOptional(statement, index, limit ? std::optional(limit->ohms) : std::nullopt);
    if (limit) {
        statement.Bind(index + 1, std::string_view(limit->source));
    } else {
        statement.BindNull(index + 1);
    }
}

// Binds name, address, latitude, longitude, notes, limit, source and interval from parameter 1 on.
void BindSite(Statement& statement, const SiteFields& fields) {
    const std::string name = TrimmedName(fields.name);
    statement.Bind(1, std::string_view(name));
    statement.Bind(2, std::string_view(fields.address));
    BindOptional(statement, 3, fields.latitude);
    BindOptional(statement, 4, fields.longitude);
    statement.Bind(5, std::string_view(fields.notes));
    BindLimit(statement, 6, fields.limit);
    BindOptional(statement, 8, fields.intervalMonths);
}

}  // namespace

bool AddSite(Archive& archive, const SiteFields& fields, std::int64_t& id, std::string& error) {
    if (!(error = SiteFieldsProblem(fields)).empty()) {
        return false;
    }
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement insert;
            if (!Prepared(db, insert,
                          "INSERT INTO sites(name, address, latitude, longitude, notes, limit_ohm, "
                          "limit_source, interval_months) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                          failure)) {
                return false;
            }
            BindSite(insert, fields);
            if (!StepDone(db, insert, failure)) {
                failure = Taken(fields.name, failure);
                return false;
            }
            id = db.LastInsertId();
            return true;
        },
        error);
}

bool UpdateSite(Archive& archive, std::int64_t id, const SiteFields& fields, std::string& error) {
    if (!(error = SiteFieldsProblem(fields)).empty()) {
        return false;
    }
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement update;
            if (!Prepared(db, update,
                          "UPDATE sites SET name = ?, address = ?, latitude = ?, longitude = ?, notes = ?, "
                          "limit_ohm = ?, limit_source = ?, interval_months = ? WHERE id = ?",
                          failure)) {
                return false;
            }
            BindSite(update, fields);
            update.Bind(9, id);
            if (!StepDone(db, update, failure)) {
                failure = Taken(fields.name, failure);
                return false;
            }
            return Changed(db, kNoSite, id, failure);
        },
        error);
}

bool DeleteSite(Archive& archive, std::int64_t id, std::string& error) {
    return InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement unassign;
            Statement points;
            Statement site;
            if (!Prepared(db, unassign,
                          "UPDATE results SET point_id = NULL WHERE point_id IN "
                          "(SELECT id FROM points WHERE site_id = ?)",
                          failure) ||
                !Prepared(db, points, "DELETE FROM points WHERE site_id = ?", failure) ||
                !Prepared(db, site, "DELETE FROM sites WHERE id = ?", failure)) {
                return false;
            }
            unassign.Bind(1, id);
            points.Bind(1, id);
            site.Bind(1, id);
            return StepDone(db, unassign, failure) && StepDone(db, points, failure) &&
                   StepDone(db, site, failure) && Changed(db, kNoSite, id, failure);
        },
        error);
}

bool Sites(Archive& archive, std::vector<SiteRow>& out, std::string& error) {
    return archive.Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            if (!Prepared(db, query, std::string(kSiteColumns) + " ORDER BY s.name COLLATE NOCASE, s.id",
                          failure)) {
                return false;
            }
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                out.push_back(ReadSite(query));
            }
            if (rc != SQLITE_DONE) {
                failure = db.Error();
                return false;
            }
            return true;
        },
        error);
}

std::optional<SiteRow> FindSite(Archive& archive, const std::string& name, std::string& error) {
    std::optional<SiteRow> found;
    const bool read = archive.Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            if (!Prepared(db, query, std::string(kSiteColumns) + " WHERE s.name = ?", failure)) {
                return false;
            }
            query.Bind(1, std::string_view(TrimmedName(name)));
            const int rc = query.Step();
            if (rc == SQLITE_ROW) {
                found = ReadSite(query);
                return true;
            }
            failure = rc == SQLITE_DONE ? Problem(kNoSiteNamed, {TrimmedName(name)}) : db.Error();
            return false;
        },
        error);
    return read ? found : std::nullopt;
}

}  // namespace terrovane::archive

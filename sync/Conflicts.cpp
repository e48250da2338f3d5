#include "Conflicts.h"

#include <algorithm>
#include <array>

#include "LocalSql.h"

namespace terrovane::sync {
namespace {

constexpr std::array<const char*, 9> kPlaceColumns = {"name",         "address",         "latitude",
                                                      "longitude",    "notes",           "limit_ohm",
                                                      "limit_source", "interval_months", "kind"};

archive::Failure FailureOf(const LocalFailure& failure) {
    return archive::FailureOf(failure.Code() == 0 ? 1 : failure.Code(), failure.what());
}

archive::Failure NoSuchConflict(std::int64_t id) {
    archive::Failure failure;
    failure.code = archive::ErrorCode::NoSuchItem;
    failure.arguments = {"conflict", std::to_string(id)};
    failure.sqliteMessage = "there is no open conflict " + std::to_string(id);
    return failure;
}

std::string ThingName(archive::Database& db, const std::string& kind, const std::string& uuid) {
    if (kind == "site") {
        return Single(db, "SELECT name FROM sites WHERE uuid = ?1", {uuid}).value_or("");
    }
    if (kind == "point") {
        return Single(db,
                      "SELECT s.name || '/' || p.name FROM points p JOIN sites s ON s.id = p.site_id "
                      "WHERE p.uuid = ?1",
                      {uuid})
            .value_or("");
    }
    return {};
}

void DeletePlace(archive::Database& db, const std::string& kind, const std::string& uuid) {
    if (kind == "site") {
        Exec(db,
             "UPDATE results SET point_id = NULL WHERE point_id IN (SELECT p.id FROM points p JOIN sites s "
             "ON s.id = p.site_id WHERE s.uuid = ?1)",
             {uuid});
        Exec(db, "DELETE FROM points WHERE site_id = (SELECT id FROM sites WHERE uuid = ?1)", {uuid});
        Exec(db, "DELETE FROM sites WHERE uuid = ?1", {uuid});
    } else {
        Exec(db,
             "UPDATE results SET point_id = NULL WHERE point_id = (SELECT id FROM points WHERE uuid = ?1)",
             {uuid});
        Exec(db, "DELETE FROM points WHERE uuid = ?1", {uuid});
    }
}

// The target of a result's assignment or note, from what the server last had.
std::string TargetOf(archive::Database& db, const std::string& kind, const std::string& uuid) {
    return Single(db,
                  "SELECT json_extract(value, '$') FROM sync_fields WHERE kind = ?1 AND uuid = ?2 AND field "
                  "= ?3",
                  {kind, uuid, std::string(kind == "assignment" ? "result" : "target")})
        .value_or("");
}

// Writes the value as a change made here: the triggers stamp it and put it in the outbox.
void WriteHere(archive::Database& db, const Conflict& conflict, const std::string& value) {
    if (conflict.kind == "site" || conflict.kind == "point") {
        const std::string table = conflict.kind == "site" ? "sites" : "points";
        if (conflict.field == "deleted") {
            if (value == "1") {
                DeletePlace(db, conflict.kind, conflict.uuid);
            }
            return;
        }
        if (std::find(kPlaceColumns.begin(), kPlaceColumns.end(), conflict.field) == kPlaceColumns.end()) {
            throw LocalFailure(0, "a field this program does not keep: " + conflict.field);
        }
        Exec(db, "UPDATE " + table + " SET " + conflict.field + " = json_extract(?1, '$') WHERE uuid = ?2",
             {value, conflict.uuid});
        return;
    }
    const std::string target = TargetOf(db, conflict.kind, conflict.uuid);
    if (conflict.kind == "assignment" && conflict.field == "point") {
        Exec(db,
             "UPDATE results SET point_id = (SELECT id FROM points WHERE uuid = json_extract(?1, '$')) "
             "WHERE lower(hex(content_key)) = ?2",
             {value, target});
        return;
    }
    const bool result = target.rfind("result:", 0) == 0;
    const std::string table = result ? "results" : "readouts";
    const std::string where =
        result ? "lower(hex(content_key)) = ?2"
               : "id = (SELECT local_id FROM sync_content WHERE kind = 'readout' AND key = ?2)";
    const std::string key = target.substr(target.find(':') + 1);
    if (conflict.kind == "note" && conflict.field == "note") {
        Exec(db, "UPDATE " + table + " SET note = json_extract(?1, '$') WHERE " + where, {value, key});
    } else if (conflict.kind == "note" && conflict.field == "label") {
        Exec(db,
             "INSERT OR IGNORE INTO labels (text) SELECT json_extract(?1, '$') WHERE json_extract(?1, '$') "
             "<> ''",
             {value});
        Exec(db,
             "UPDATE " + table +
                 " SET label_id = (SELECT id FROM labels WHERE text = json_extract(?1, '$')) WHERE " + where,
             {value, key});
    }
}

Conflict ConflictOf(const SqlRow& row) {
    Conflict c;
    c.id = WholeNumber(row[0], 0);
    c.kind = row[1].value_or("");
    c.uuid = row[2].value_or("");
    c.field = row[3].value_or("");
    c.keptValue = row[4].value_or("null");
    c.keptStamp = row[5].value_or("");
    c.keptBy = row[6].value_or("");
    c.lostValue = row[7].value_or("null");
    c.lostStamp = row[8].value_or("");
    c.lostBy = row[9].value_or("");
    c.notedAt = row[10].value_or("");
    return c;
}

constexpr const char* kConflictColumns =
    "SELECT id, kind, uuid, field, kept_value, kept_stamp, kept_by, lost_value, lost_stamp, lost_by, "
    "noted_at "
    "FROM sync_conflicts";

}  // namespace

archive::Result<std::vector<Conflict>> ListConflicts(archive::Archive& archive) {
    std::vector<Conflict> conflicts;
    const archive::Status status =
        archive.Run(archive::Archive::Access::Read, [&](archive::Database& db) -> archive::Status {
            try {
                for (const SqlRow& row :
                     Rows(db, std::string(kConflictColumns) + " WHERE resolved = 0 ORDER BY id")) {
                    conflicts.push_back(ConflictOf(row));
                    conflicts.back().thing = ThingName(db, conflicts.back().kind, conflicts.back().uuid);
                }
            } catch (const LocalFailure& failure) {
                return FailureOf(failure);
            }
            return archive::Done{};
        });
    if (!status) {
        return status.Error();
    }
    return conflicts;
}

archive::Status ResolveConflict(archive::Archive& archive, std::int64_t id, Keep keep) {
    return archive.Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
        try {
            const std::vector<SqlRow> rows =
                Rows(db, std::string(kConflictColumns) + " WHERE id = ?1 AND resolved = 0", {id});
            if (rows.empty()) {
                return NoSuchConflict(id);
            }
            if (keep == Keep::Lost) {
                const Conflict conflict = ConflictOf(rows[0]);
                WriteHere(db, conflict, conflict.lostValue);
            }
            Exec(db, "UPDATE sync_conflicts SET resolved = 1 WHERE id = ?1", {id});
            // One the server listed is settled there with the next sync, and so on every PC.
            Exec(db,
                 "INSERT OR IGNORE INTO sync_outbox SELECT 'conflict', server_seq FROM sync_conflicts "
                 "WHERE id = ?1 AND server_seq IS NOT NULL",
                 {id});
        } catch (const LocalFailure& failure) {
            return FailureOf(failure);
        }
        return archive::Done{};
    });
}

}  // namespace terrovane::sync

#include "Materialize.h"

#include <sqlite3.h>

#include <array>

#include "Analyses.h"
#include "LocalSql.h"
#include "SyncIds.h"
#include "TypedThings.h"

namespace terrovane::sync {
namespace {

using Fields = std::map<std::string, BaseField>;
using Wanted = std::optional<std::set<std::string>>;

// The columns a shared field is written to, table by table; nothing else is ever written from the server.
constexpr std::array<const char*, 8> kSiteColumns = {"name",  "address",   "latitude",     "longitude",
                                                     "notes", "limit_ohm", "limit_source", "interval_months"};
constexpr std::array<const char*, 7> kPointColumns = {
    "name", "kind", "notes", "limit_ohm", "limit_source", "interval_months", "ordinal"};
constexpr std::array<const char*, 7> kVisitColumns = {
    "visited_on", "visited_by", "instruments", "weather", "air_temperature", "soil", "notes"};

bool Wants(const Wanted& wanted, const std::string& field) {
    return !wanted || wanted->contains(field);
}

std::string ValueOf(const Fields& fields, const std::string& field) {
    const auto found = fields.find(field);
    return found == fields.end() ? "null" : found->second.value;
}

std::optional<std::string> Text(archive::Database& db, const std::string& json) {
    return Single(db, "SELECT json_extract(?1, '$')", {json});
}

std::optional<std::string> LocalId(archive::Database& db, const char* table, const std::string& uuid) {
    return Single(db, std::string("SELECT id FROM ") + table + " WHERE uuid = ?1", {uuid});
}

bool IsUniqueFailure(const LocalFailure& failure) {
    return failure.Code() == SQLITE_CONSTRAINT_UNIQUE || failure.Code() == SQLITE_CONSTRAINT_PRIMARYKEY;
}

// The change of this PC that the row now carries (a new stamp, in the outbox) so it goes to the others.
void SendAsChangeHere(archive::Database& db, const char* table, const Entity& entity) {
    Exec(db, std::string("UPDATE ") + table + " SET modified = modified WHERE uuid = ?1", {entity.uuid});
    Exec(db, "INSERT OR IGNORE INTO sync_outbox VALUES (?1, ?2)", {entity.kind, entity.uuid});
}

// How a column takes the field's JSON value (?1): a text that is never NULL takes "" for null, and what the
// archive's checks would refuse keeps the value held (a soil not known reads as none).
std::string ColumnValueSql(const std::string& column) {
    if (column == "address" || column == "notes" || column == "visited_by" || column == "weather") {
        return "coalesce(json_extract(?1, '$'), '')";
    }
    if (column == "kind") {
        return "coalesce(json_extract(?1, '$'), 'other')";
    }
    if (column == "instruments") {
        return "CASE WHEN json_valid(?1) AND json_type(?1) = 'array' THEN json(?1) ELSE '[]' END";
    }
    if (column == "visited_on") {
        return "coalesce(json_extract(?1, '$'), visited_on)";
    }
    if (column == "soil") {
        return "CASE WHEN json_extract(?1, '$') IN ('dry', 'moist', 'wet', 'frozen') THEN json_extract(?1, "
               "'$') END";
    }
    return "json_extract(?1, '$')";
}

// Writes the wanted columns of a row held here. A name taken by another row here gets the thing's id
// after it, and that renaming is sent, so every archive ends with the same two names.
template <std::size_t N>
void UpdateColumns(archive::Database& db, const char* table, const Entity& entity,
                   const std::array<const char*, N>& columns, const Fields& fields, const Wanted& wanted) {
    for (const char* column : columns) {
        if (!Wants(wanted, column) || !fields.contains(column)) {
            continue;
        }
        const std::string set = std::string("UPDATE ") + table + " SET " + column + " = " +
                                ColumnValueSql(column) + " WHERE uuid = ?2";
        try {
            Exec(db, set, {fields.at(column).value, entity.uuid});
        } catch (const LocalFailure& failure) {
            if (!IsUniqueFailure(failure) || std::string(column) != "name") {
                throw;
            }
            const std::string renamed =
                Text(db, fields.at(column).value).value_or("") + " (" + entity.uuid.substr(0, 8) + ")";
            Exec(db, std::string("UPDATE ") + table + " SET name = ?1 WHERE uuid = ?2",
                 {renamed, entity.uuid});
            SendAsChangeHere(db, table, entity);
        }
    }
}

bool SiteHasResults(archive::Database& db, const std::string& siteId) {
    return Single(db,
                  "SELECT EXISTS (SELECT 1 FROM results r JOIN points p ON p.id = r.point_id WHERE p.site_id "
                  "= ?1)",
                  {siteId}) == "1";
}

bool PointHasResults(archive::Database& db, const std::string& pointId) {
    return Single(db, "SELECT EXISTS (SELECT 1 FROM results WHERE point_id = ?1)", {pointId}) == "1";
}

bool IsDeleted(const Fields& fields) {
    return ValueOf(fields, "deleted") == "1";
}

// Deleted here and not sent yet: what the server still has of it must not bring it back.
bool DeletedHereUnsent(archive::Database& db, const char* table, const Entity& entity) {
    return Single(db,
                  "SELECT EXISTS (SELECT 1 FROM tombstones WHERE kind = ?1 AND uuid = ?2) AND "
                  "EXISTS (SELECT 1 FROM sync_outbox WHERE kind = ?3 AND ref = ?2)",
                  {std::string(table), entity.uuid, entity.kind}) == "1";
}

// Deleted elsewhere, kept here for its results: "not deleted" is sent with a later stamp and without the
// base it was made against, so the server lists the conflict for every member to see and decide.
void KeepForResults(archive::Database& db, const char* table, const Entity& entity, const Fields& fields) {
    if (!IsDeleted(fields)) {
        return;
    }
    Exec(db, "DELETE FROM sync_fields WHERE kind = ?1 AND uuid = ?2 AND field = 'deleted'",
         {entity.kind, entity.uuid});
    SendAsChangeHere(db, table, entity);
}

Materialized MaterializeSite(archive::Database& db, const Entity& entity, const Wanted& wanted, bool revive) {
    const Fields fields = BaseFields(db, entity);
    std::optional<std::string> id = LocalId(db, "sites", entity.uuid);
    if (IsDeleted(fields) && !revive) {
        if (!id) {
            return Materialized::Done;
        }
        if (SiteHasResults(db, *id)) {
            KeepForResults(db, "sites", entity, fields);
            return Materialized::Done;
        }
        Exec(
            db,
            "UPDATE results SET point_id = NULL WHERE point_id IN (SELECT id FROM points WHERE site_id = ?1)",
            {*id});
        Exec(db, "DELETE FROM points WHERE site_id = ?1", {*id});
        Exec(db, "DELETE FROM sites WHERE id = ?1", {*id});
        return Materialized::Done;
    }
    if (!id) {
        if (!revive && DeletedHereUnsent(db, "sites", entity)) {
            return Materialized::Done;
        }
        if (!fields.contains("name")) {
            return Materialized::Waiting;
        }
        // Made under a name of its own first, then given its fields as a held row is.
        Exec(db, "INSERT INTO sites (uuid, name) VALUES (?1, ?1)", {entity.uuid});
        UpdateColumns(db, "sites", entity, kSiteColumns, fields, std::nullopt);
        if (revive) {
            KeepForResults(db, "sites", entity, fields);
        }
        return Materialized::Done;
    }
    UpdateColumns(db, "sites", entity, kSiteColumns, fields, wanted);
    return Materialized::Done;
}

Materialized MaterializePoint(archive::Database& db, const Entity& entity, const Wanted& wanted,
                              bool revive) {
    const Fields fields = BaseFields(db, entity);
    std::optional<std::string> id = LocalId(db, "points", entity.uuid);
    if (IsDeleted(fields) && !revive) {
        if (!id) {
            return Materialized::Done;
        }
        if (PointHasResults(db, *id)) {
            KeepForResults(db, "points", entity, fields);
            return Materialized::Done;
        }
        Exec(db, "DELETE FROM points WHERE id = ?1", {*id});
        return Materialized::Done;
    }
    const std::string siteUuid = Text(db, ValueOf(fields, "site")).value_or("");
    std::optional<std::string> siteId = LocalId(db, "sites", siteUuid);
    if (!siteId && revive &&
        MaterializeSite(db, {"site", siteUuid}, std::nullopt, true) == Materialized::Done) {
        siteId = LocalId(db, "sites", siteUuid);
    }
    if (!siteId) {
        return Materialized::Waiting;
    }
    if (!id) {
        if (!revive && DeletedHereUnsent(db, "points", entity)) {
            return Materialized::Done;
        }
        if (!fields.contains("name")) {
            return Materialized::Waiting;
        }
        Exec(db, "INSERT INTO points (uuid, site_id, name) VALUES (?1, ?2, ?1)", {entity.uuid, *siteId});
        UpdateColumns(db, "points", entity, kPointColumns, fields, std::nullopt);
        if (revive) {
            KeepForResults(db, "points", entity, fields);
        }
        return Materialized::Done;
    }
    if (Wants(wanted, "site")) {
        Exec(db, "UPDATE points SET site_id = ?1 WHERE id = ?2", {*siteId, *id});
    }
    UpdateColumns(db, "points", entity, kPointColumns, fields, wanted);
    return Materialized::Done;
}

// A visit goes with its site and stays there; deleted elsewhere, its results stay, without a visit.
Materialized MaterializeVisit(archive::Database& db, const Entity& entity, const Wanted& wanted) {
    const Fields fields = BaseFields(db, entity);
    const std::optional<std::string> id = LocalId(db, "visits", entity.uuid);
    if (IsDeleted(fields)) {
        if (id) {
            Exec(db, "DELETE FROM visits WHERE id = ?1", {*id});
        }
        return Materialized::Done;
    }
    if (id) {
        UpdateColumns(db, "visits", entity, kVisitColumns, fields, wanted);
        return Materialized::Done;
    }
    if (DeletedHereUnsent(db, "visits", entity)) {
        return Materialized::Done;
    }
    const std::optional<std::string> siteId =
        LocalId(db, "sites", Text(db, ValueOf(fields, "site")).value_or(""));
    if (!siteId || !fields.contains("visited_on")) {
        return Materialized::Waiting;
    }
    Exec(db, "INSERT INTO visits (uuid, site_id, visited_on) VALUES (?1, ?2, '')", {entity.uuid, *siteId});
    UpdateColumns(db, "visits", entity, kVisitColumns, fields, std::nullopt);
    return Materialized::Done;
}

void RefreshLastMeasured(archive::Database& db, const std::optional<std::string>& point) {
    if (point) {
        Exec(db,
             "UPDATE points SET last_measured = (SELECT max(r.measured_date) FROM results r "
             "WHERE r.point_id = points.id) WHERE id = ?1",
             {*point});
    }
}

Materialized MaterializeAssignment(archive::Database& db, const Entity& entity) {
    const Fields fields = BaseFields(db, entity);
    const std::string key = Text(db, ValueOf(fields, "result")).value_or("");
    const std::optional<std::string> result =
        Single(db, "SELECT id FROM results WHERE content_key = ?1", {KeyBytes(key)});
    if (!result) {
        return Materialized::Waiting;
    }
    const std::optional<std::string> pointUuid = Text(db, ValueOf(fields, "point"));
    std::optional<std::string> point;
    if (pointUuid) {
        point = LocalId(db, "points", *pointUuid);
        // A point deleted here while another PC assigned results to it comes back, for the people to decide.
        if (!point && BaseFields(db, {"point", *pointUuid}).contains("name") &&
            MaterializePoint(db, {"point", *pointUuid}, std::nullopt, true) == Materialized::Done) {
            point = LocalId(db, "points", *pointUuid);
        }
        if (!point) {
            return Materialized::Waiting;
        }
    }
    // Only an assignment that names its visit sets it: one made by an earlier program says nothing of it.
    std::optional<std::string> visit;
    const bool namesVisit = fields.contains("visit");
    if (const std::optional<std::string> visitUuid =
            namesVisit ? Text(db, ValueOf(fields, "visit")) : std::nullopt) {
        visit = LocalId(db, "visits", *visitUuid);
        if (!visit && !DeletedHereUnsent(db, "visits", {"visit", *visitUuid})) {
            return Materialized::Waiting;
        }
    }
    const std::optional<std::string> former =
        Single(db, "SELECT point_id FROM results WHERE id = ?1", {*result});
    Exec(db, "UPDATE results SET point_id = ?1 WHERE id = ?2",
         {point ? SqlValue(*point) : SqlValue(), *result});
    if (namesVisit) {
        // A visit of another site than the result's point is not taken (the point moved since): a visit
        // groups results of its own site only.
        Exec(db,
             "UPDATE results SET visit_id = ?1 WHERE id = ?2 AND (?1 IS NULL OR EXISTS (SELECT 1 FROM visits "
             "v "
             "JOIN points p ON p.site_id = v.site_id WHERE v.id = ?1 AND p.id = results.point_id))",
             {visit ? SqlValue(*visit) : SqlValue(), *result});
    }
    RefreshLastMeasured(db, former);
    RefreshLastMeasured(db, point);
    return Materialized::Done;
}

Materialized MaterializeNote(archive::Database& db, const Entity& entity, const Wanted& wanted) {
    const Fields fields = BaseFields(db, entity);
    const std::string target = Text(db, ValueOf(fields, "target")).value_or("");
    std::string table;
    std::optional<std::string> id;
    if (target.rfind("result:", 0) == 0) {
        table = "results";
        id = Single(db, "SELECT id FROM results WHERE content_key = ?1", {KeyBytes(target.substr(7))});
    } else if (target.rfind("readout:", 0) == 0) {
        table = "readouts";
        id = Single(db, "SELECT local_id FROM sync_content WHERE kind = 'readout' AND key = ?1",
                    {target.substr(8)});
    }
    if (!id) {
        return Materialized::Waiting;
    }
    if (Wants(wanted, "label") && fields.contains("label")) {
        std::optional<std::string> label = Text(db, fields.at("label").value);
        std::optional<std::string> labelId;
        if (label && !label->empty()) {
            Exec(db, "INSERT OR IGNORE INTO labels (text) VALUES (?1)", {*label});
            labelId = Single(db, "SELECT id FROM labels WHERE text = ?1", {*label});
        }
        Exec(db, "UPDATE " + table + " SET label_id = ?1 WHERE id = ?2",
             {labelId ? SqlValue(*labelId) : SqlValue(), *id});
    }
    if (Wants(wanted, "note") && fields.contains("note")) {
        Exec(db, "UPDATE " + table + " SET note = json_extract(?1, '$') WHERE id = ?2",
             {fields.at("note").value, *id});
    }
    return Materialized::Done;
}

}  // namespace

Materialized Materialize(archive::Database& db, const Entity& entity, const Wanted& fields) {
    if (entity.kind == "site") {
        return MaterializeSite(db, entity, fields, false);
    }
    if (entity.kind == "point") {
        return MaterializePoint(db, entity, fields, false);
    }
    if (entity.kind == "visit") {
        return MaterializeVisit(db, entity, fields);
    }
    if (entity.kind == "assignment") {
        return MaterializeAssignment(db, entity);
    }
    if (IsTypedKind(entity.kind)) {
        return MaterializeTyped(db, entity);
    }
    if (entity.kind == "typed_visit") {
        return MaterializeTypedVisit(db, entity);
    }
    if (entity.kind == "note") {
        return MaterializeNote(db, entity, fields);
    }
    if (IsAnalysisEntity(entity)) {
        return MaterializeAnalysis(db, entity);
    }
    return Materialized::Done;  // a kind this program does not keep (a later program's)
}

void NoteConflict(archive::Database& db, const LocalConflict& conflict) {
    Exec(
        db,
        "INSERT INTO sync_conflicts (kind, uuid, field, kept_value, kept_stamp, kept_by, lost_value, "
        "lost_stamp, "
        "lost_by, noted_at) SELECT ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, strftime('%Y-%m-%dT%H:%M:%SZ', 'now') "
        "WHERE NOT EXISTS (SELECT 1 FROM sync_conflicts WHERE kind = ?1 AND uuid = ?2 AND field = ?3 "
        "AND lost_stamp = ?8 AND resolved = 0)",
        {conflict.entity.kind, conflict.entity.uuid, conflict.field, conflict.keptValue, conflict.keptStamp,
         conflict.keptBy, conflict.lostValue, conflict.lostStamp, conflict.lostBy});
}

}  // namespace terrovane::sync

#include "TypedThings.h"

#include "LocalSql.h"
#include "SyncIds.h"

namespace terrovane::sync {
namespace {

using TypedFields = std::map<std::string, BaseField>;

// Numbers inside a list travel as text (to fifteen digits, as the archive's JSON writes them): the
// server's JSON renders numbers its own way, and a list must read back exactly as it was sent, or the
// archive would take it for a change of its own.
constexpr const char* kTypedResultState =
    "SELECT json_object('point', p.uuid, 'first_version', t.first_version, 'replaces', r.uuid, 'method', "
    "t.method, 'measured_date', t.measured_date, 'measured_time', t.measured_time, 'instrument', "
    "t.instrument, 'measured_by', t.measured_by, 'note', t.note, 'typed_by', t.typed_by, 'typed_at', "
    "t.typed_at, 'values', (SELECT json_group_array(json_array(v.name, CASE WHEN v.value IS NOT NULL "
    "THEN printf('%!.15g', v.value) END, CASE WHEN v.over_range_bound IS NOT NULL THEN printf('%!.15g', "
    "v.over_range_bound) END)) FROM (SELECT * FROM typed_values WHERE version_id = t.id ORDER "
    "BY ordinal) v)), coalesce(t.modified, (SELECT stamp FROM archive_stamp)), s.uuid FROM typed_results t "
    "LEFT JOIN typed_results r ON r.id = "
    "t.replaces LEFT JOIN points p ON p.id = t.point_id LEFT JOIN sites s ON s.id = p.site_id WHERE t.uuid "
    "= ?1";
constexpr const char* kTypedTraverseState =
    "SELECT json_object('point', p.uuid, 'current_probe_m', t.current_probe_m, 'measured_date', "
    "t.measured_date, 'measured_time', t.measured_time, 'instrument', t.instrument, 'measured_by', "
    "t.measured_by, 'note', t.note, 'typed_by', t.typed_by, 'typed_at', t.typed_at, 'readings', (SELECT "
    "json_group_array(json_array(printf('%!.15g', g.potential_probe_m), printf('%!.15g', g.resistance_ohm))) "
    "FROM (SELECT * FROM typed_traverse_readings WHERE traverse_id = t.id ORDER BY ordinal) g), 'deleted', "
    "0), t.modified, s.uuid FROM typed_traverses t JOIN points p ON p.id = t.point_id JOIN sites s ON s.id "
    "= p.site_id WHERE t.uuid = ?1";
// A Schlumberger sounding's MN/2 goes as a list of its own beside the readings, in their order, so that a
// program that does not know it still takes the readings (and keeps the sounding listed but not fitted).
constexpr const char* kTypedSoundingState =
    "SELECT json_patch(json_object('site', s.uuid, 'electrode_array', t.electrode_array, 'quantity', "
    "t.quantity, 'measured_date', t.measured_date, 'measured_time', t.measured_time, 'instrument', "
    "t.instrument, 'measured_by', t.measured_by, 'note', t.note, 'typed_by', t.typed_by, 'typed_at', "
    "t.typed_at, 'readings', (SELECT json_group_array(json_array(printf('%!.15g', g.spacing_m), "
    "printf('%!.15g', g.reading))) FROM (SELECT * FROM typed_sounding_points WHERE sounding_id = t.id ORDER "
    "BY ordinal) g), 'deleted', 0), CASE WHEN t.electrode_array = 'schlumberger' AND NOT EXISTS (SELECT 1 "
    "FROM typed_sounding_points WHERE sounding_id = t.id AND mn2_m IS NULL) THEN json_object('mn_half_m', "
    "(SELECT json_group_array(printf('%!.15g', g.mn2_m)) FROM (SELECT * FROM typed_sounding_points WHERE "
    "sounding_id = t.id ORDER BY ordinal) g)) ELSE '{}' END), t.modified, s.uuid FROM typed_soundings t "
    "JOIN sites s ON s.id = t.site_id WHERE t.uuid = ?1";

// The fields every typed thing carries as it was measured and typed.
constexpr const char* kCommonColumns =
    "measured_date, measured_time, instrument, measured_by, note, typed_by, typed_at";
// Their values from the JSON object of the base fields (?1); a text never NULL.
constexpr const char* kCommonValues =
    "coalesce(json_extract(?1, '$.measured_date'), ''), coalesce(json_extract(?1, '$.measured_time'), ''), "
    "coalesce(json_extract(?1, '$.instrument'), ''), coalesce(json_extract(?1, '$.measured_by'), ''), "
    "coalesce(json_extract(?1, '$.note'), ''), coalesce(json_extract(?1, '$.typed_by'), ''), "
    "coalesce(json_extract(?1, '$.typed_at'), '')";

std::string FieldJson(const TypedFields& fields, const std::string& field) {
    const auto found = fields.find(field);
    return found == fields.end() ? "null" : found->second.value;
}

// The base fields as one JSON object, for the statements that make the row.
std::string FieldsObject(archive::Database& db, const TypedFields& fields) {
    std::string object = "{}";
    for (const auto& [field, known] : fields) {
        object = Single(db, "SELECT json_set(?1, '$.' || ?2, json(?3))", {object, field, known.value})
                     .value_or(object);
    }
    return object;
}

std::optional<std::string> UuidNamed(archive::Database& db, const TypedFields& fields,
                                     const std::string& field) {
    return Single(db, "SELECT json_extract(?1, '$')", {FieldJson(fields, field)});
}

std::optional<std::string> RowOf(archive::Database& db, const char* table, const std::string& uuid) {
    return Single(db, std::string("SELECT id FROM ") + table + " WHERE uuid = ?1", {uuid});
}

// A list of pairs of positive numbers, as a traverse's and a sounding's readings are.
bool ArePositivePairs(archive::Database& db, const std::string& list) {
    return Single(db,
                  "SELECT json_valid(?1) AND json_type(?1) = 'array' AND json_array_length(?1) > 0 AND NOT "
                  "EXISTS (SELECT 1 FROM json_each(?1) WHERE json_type(value) <> 'array' OR "
                  "json_array_length(value) <> 2 OR json_type(value, '$[0]') <> 'text' OR json_type(value, "
                  "'$[1]') <> 'text' OR NOT CAST(json_extract(value, '$[0]') AS REAL) > 0 OR NOT "
                  "CAST(json_extract(value, '$[1]') AS REAL) > 0)",
                  {list}) == "1";
}

// Each value named, and either a reading or the bound it was over, never both.
bool AreTypedValues(archive::Database& db, const std::string& list) {
    return Single(db,
                  "SELECT json_valid(?1) AND json_type(?1) = 'array' AND NOT EXISTS (SELECT 1 FROM "
                  "json_each(?1) WHERE json_type(value) <> 'array' OR json_array_length(value) <> 3 OR "
                  "json_type(value, '$[0]') <> 'text' OR (json_type(value, '$[1]') = 'text') = "
                  "(json_type(value, '$[2]') = 'text') OR json_type(value, '$[1]') NOT IN ('text', 'null') "
                  "OR json_type(value, '$[2]') NOT IN ('text', 'null'))",
                  {list}) == "1";
}

// The newest version of the chain the version `id` belongs to: a correction made on two PCs at once
// follows the other rather than forking the chain, so both stay in its history.
std::string NewestOfChain(archive::Database& db, std::string id) {
    while (const std::optional<std::string> next =
               Single(db, "SELECT id FROM typed_results WHERE replaces = ?1", {id})) {
        id = *next;
    }
    return id;
}

Materialized MaterializeTypedResult(archive::Database& db, const Entity& entity) {
    const TypedFields fields = BaseFields(db, entity);
    const std::optional<std::string> pointUuid = UuidNamed(db, fields, "point");
    const std::optional<std::string> point = pointUuid ? RowOf(db, "points", *pointUuid) : std::nullopt;
    if (pointUuid && !point) {
        return Materialized::Waiting;
    }
    const std::optional<std::string> held = RowOf(db, "typed_results", entity.uuid);
    if (held) {
        Exec(db, "UPDATE typed_results SET point_id = ?1 WHERE id = ?2 AND point_id IS NOT ?1",
             {point ? SqlValue(*point) : SqlValue(), *held});
        return Materialized::Done;
    }
    if (!fields.contains("method") || !fields.contains("values")) {
        return Materialized::Waiting;
    }
    std::optional<std::string> replaces;
    if (const std::optional<std::string> replacedUuid = UuidNamed(db, fields, "replaces")) {
        replaces = RowOf(db, "typed_results", *replacedUuid);
        if (!replaces) {
            return Materialized::Waiting;
        }
        replaces = NewestOfChain(db, *replaces);
    }
    const std::string values = FieldJson(fields, "values");
    if (!AreTypedValues(db, values)) {
        return Materialized::Done;
    }
    Exec(db,
         std::string("INSERT INTO typed_results (uuid, first_version, replaces, point_id, method, ") +
             kCommonColumns + ") VALUES (?2, coalesce(json_extract(?1, '$.first_version'), ?2), ?3, ?4, " +
             "coalesce(json_extract(?1, '$.method'), ''), " + kCommonValues + ")",
         {FieldsObject(db, fields), entity.uuid, replaces ? SqlValue(*replaces) : SqlValue(),
          point ? SqlValue(*point) : SqlValue()});
    Exec(db,
         "INSERT INTO typed_values SELECT t.id, CAST(v.key AS INTEGER), json_extract(v.value, '$[0]'), "
         "CAST(json_extract(v.value, '$[1]') AS REAL), CAST(json_extract(v.value, '$[2]') AS REAL) FROM "
         "typed_results t, json_each(?1) v WHERE t.uuid = ?2",
         {values, entity.uuid});
    return Materialized::Done;
}

// What a traverse or a sounding needs to be made here: the row of its owner (point or site) named by
// the field, and its readings checked. Left out (Done) when deleted or not keepable.
struct SeriesKind {
    const char* table;
    const char* ownerTable;
    const char* ownerField;
    const char* ownerColumn;
    const char* readingsTable;
};

Materialized MaterializeSeries(archive::Database& db, const Entity& entity, const SeriesKind& kind,
                               const std::string& insertSql, const std::string& readingsSql) {
    const TypedFields fields = BaseFields(db, entity);
    const std::optional<std::string> held = RowOf(db, kind.table, entity.uuid);
    if (FieldJson(fields, "deleted") == "1") {
        if (held) {
            Exec(db, std::string("DELETE FROM ") + kind.table + " WHERE id = ?1", {*held});
        }
        return Materialized::Done;
    }
    const std::optional<std::string> ownerUuid = UuidNamed(db, fields, kind.ownerField);
    const std::optional<std::string> owner =
        ownerUuid ? RowOf(db, kind.ownerTable, *ownerUuid) : std::nullopt;
    if (held) {
        // Written once but for its owner: a traverse moved to another point follows it; one moved to a
        // point not held here stays where it is.
        if (owner) {
            Exec(db,
                 std::string("UPDATE ") + kind.table + " SET " + kind.ownerColumn +
                     " = ?1 WHERE id = ?2 AND " + kind.ownerColumn + " IS NOT ?1",
                 {*owner, *held});
        }
        return Materialized::Done;
    }
    if (Single(db,
               "SELECT EXISTS (SELECT 1 FROM tombstones WHERE kind = ?1 AND uuid = ?2) AND EXISTS "
               "(SELECT 1 FROM sync_outbox WHERE kind = ?3 AND ref = ?2)",
               {std::string(kind.table), entity.uuid, entity.kind}) == "1") {
        return Materialized::Done;  // deleted here, and that not sent yet
    }
    if (!owner || !fields.contains("readings") || !fields.contains("typed_at")) {
        return Materialized::Waiting;
    }
    const std::string readings = FieldJson(fields, "readings");
    if (!ArePositivePairs(db, readings)) {
        return Materialized::Done;
    }
    const std::string object = FieldsObject(db, fields);
    if (Single(db,
               std::string("SELECT ") + (std::string(kind.ownerField) == "point"
                                             ? "CAST(json_extract(?1, '$.current_probe_m') AS REAL) > 0"
                                             : "json_extract(?1, '$.electrode_array') IN ('wenner', "
                                               "'schlumberger') AND json_extract(?1, '$.quantity') IN "
                                               "('resistance', 'resistivity')"),
               {object}) != "1") {
        return Materialized::Done;
    }
    Exec(db, insertSql, {object, entity.uuid, *owner});
    Exec(db,
         std::string("INSERT INTO ") + kind.readingsTable + " " + readingsSql +
             " SELECT t.id, CAST(g.key AS INTEGER), CAST(json_extract(g.value, '$[0]') AS REAL), "
             "CAST(json_extract(g.value, '$[1]') AS REAL) FROM " +
             kind.table + " t, json_each(?1) g WHERE t.uuid = ?2",
         {readings, entity.uuid});
    return Materialized::Done;
}

// Deleted here: a visit the server still names for a result is not waited for.
bool VisitDeletedHere(archive::Database& db, const std::string& uuid) {
    return Single(db, "SELECT 1 FROM tombstones WHERE kind = 'visits' AND uuid = ?1", {uuid}).has_value();
}

}  // namespace

Materialized MaterializeTypedVisit(archive::Database& db, const Entity& entity) {
    const TypedFields fields = BaseFields(db, entity);
    const std::optional<std::string> first = UuidNamed(db, fields, "typed");
    if (!first || DerivedUuid("typed_visit:" + *first) != entity.uuid) {
        return Materialized::Done;  // not one this program makes: left out
    }
    if (!Single(db, "SELECT 1 FROM typed_results WHERE first_version = ?1", {*first})) {
        return Materialized::Waiting;
    }
    if (!fields.contains("visit")) {
        return Materialized::Done;
    }
    const std::optional<std::string> visitUuid = UuidNamed(db, fields, "visit");
    if (!visitUuid) {
        Exec(db, "DELETE FROM typed_visits WHERE first_version = ?1", {*first});
        return Materialized::Done;
    }
    const std::optional<std::string> visit = RowOf(db, "visits", *visitUuid);
    if (!visit) {
        return VisitDeletedHere(db, *visitUuid) ? Materialized::Done : Materialized::Waiting;
    }
    Exec(db,
         "INSERT OR REPLACE INTO typed_visits (first_version, visit_id) SELECT ?1, v.id FROM visits v JOIN "
         "points p ON p.site_id = v.site_id JOIN typed_results t ON t.point_id = p.id WHERE v.id = ?2 AND "
         "t.first_version = ?1 AND NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = t.id) AND "
         "NOT EXISTS (SELECT 1 FROM typed_visits l WHERE l.first_version = ?1 AND l.visit_id = ?2)",
         {*first, *visit});
    return Materialized::Done;
}

bool IsTypedKind(const std::string& kind) {
    return kind == "typed_result" || kind == "typed_traverse" || kind == "typed_sounding";
}

const char* TypedStateSql(const std::string& kind) {
    return kind == "typed_result"     ? kTypedResultState
           : kind == "typed_traverse" ? kTypedTraverseState
                                      : kTypedSoundingState;
}

// Each Schlumberger reading's MN/2 from the list beside the readings, where it puts the potential electrodes
// inside the current ones; set once, as the readings are.
void CarryPotentialSpacings(archive::Database& db, const Entity& entity) {
    const TypedFields fields = BaseFields(db, entity);
    if (!fields.contains("mn_half_m")) {
        return;
    }
    Exec(db,
         "UPDATE typed_sounding_points SET mn2_m = CAST(json_extract(?1, '$[' || ordinal || ']') AS REAL) "
         "WHERE mn2_m IS NULL AND sounding_id = (SELECT id FROM typed_soundings WHERE uuid = ?2 AND "
         "electrode_array = 'schlumberger') AND CAST(json_extract(?1, '$[' || ordinal || ']') AS REAL) > 0 "
         "AND CAST(json_extract(?1, '$[' || ordinal || ']') AS REAL) < spacing_m",
         {FieldJson(fields, "mn_half_m"), entity.uuid});
}

Materialized MaterializeTyped(archive::Database& db, const Entity& entity) {
    if (entity.kind == "typed_result") {
        return MaterializeTypedResult(db, entity);
    }
    if (entity.kind == "typed_traverse") {
        return MaterializeSeries(
            db, entity, {"typed_traverses", "points", "point", "point_id", "typed_traverse_readings"},
            std::string("INSERT INTO typed_traverses (uuid, point_id, current_probe_m, ") + kCommonColumns +
                ") VALUES (?2, ?3, CAST(json_extract(?1, '$.current_probe_m') AS REAL), " + kCommonValues +
                ")",
            "(traverse_id, ordinal, potential_probe_m, resistance_ohm)");
    }
    const Materialized sounding = MaterializeSeries(
        db, entity, {"typed_soundings", "sites", "site", "site_id", "typed_sounding_points"},
        std::string("INSERT INTO typed_soundings (uuid, site_id, electrode_array, quantity, ") +
            kCommonColumns +
            ") VALUES (?2, ?3, json_extract(?1, '$.electrode_array'), json_extract(?1, '$.quantity'), " +
            kCommonValues + ")",
        "(sounding_id, ordinal, spacing_m, reading)");
    CarryPotentialSpacings(db, entity);
    return sounding;
}

}  // namespace terrovane::sync

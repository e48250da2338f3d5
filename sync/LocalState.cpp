#include "LocalState.h"

#include "LocalSql.h"
#include "SyncIds.h"
#include "TypedThings.h"

namespace terrovane::sync {
namespace {

constexpr const char* kSiteState =
    "SELECT json_object('name', name, 'address', address, 'latitude', latitude, 'longitude', longitude, "
    "'notes', notes, 'limit_ohm', limit_ohm, 'limit_source', limit_source, 'interval_months', "
    "interval_months, 'deleted', 0), modified, uuid FROM sites WHERE uuid = ?1";
constexpr const char* kPointState =
    "SELECT json_object('site', s.uuid, 'name', p.name, 'kind', p.kind, 'notes', p.notes, 'limit_ohm', "
    "p.limit_ohm, 'limit_source', p.limit_source, 'interval_months', p.interval_months, 'ordinal', "
    "p.ordinal, 'deleted', 0), p.modified, s.uuid FROM points p JOIN sites s ON s.id = p.site_id "
    "WHERE p.uuid = ?1";
// A visit's fields are named as its columns; its instruments travel as one JSON array.
constexpr const char* kVisitState =
    "SELECT json_object('site', s.uuid, 'visited_on', v.visited_on, 'visited_by', v.visited_by, "
    "'instruments', "
    "json(v.instruments), 'weather', v.weather, 'air_temperature', v.air_temperature, 'soil', v.soil, "
    "'notes', "
    "v.notes, 'deleted', 0), v.modified, s.uuid FROM visits v JOIN sites s ON s.id = v.site_id WHERE v.uuid "
    "= ?1";
// A deleted site, point or visit: only that it is deleted, stamped when it was.
constexpr const char* kTombstoneState =
    "SELECT json_object('deleted', 1), deleted, NULL FROM tombstones WHERE kind = ?1 AND uuid = ?2";
// A result's visit is a field of its assignment: the site of its point places both.
constexpr const char* kAssignmentState =
    "SELECT json_object('result', ?1, 'point', p.uuid, 'visit', v.uuid), r.modified, s.uuid FROM results r "
    "LEFT JOIN points p ON p.id = r.point_id LEFT JOIN sites s ON s.id = p.site_id "
    "LEFT JOIN visits v ON v.id = r.visit_id WHERE r.content_key = ?2";
// A typed result's visit, by the first version (?1) its versions share: none once taken away, and placed
// by the site of the result's newest version.
constexpr const char* kTypedVisitState =
    "SELECT json_object('typed', ?1, 'visit', (SELECT v.uuid FROM typed_visits l JOIN visits v ON v.id = "
    "l.visit_id WHERE l.first_version = ?1)), st.modified, (SELECT s.uuid FROM typed_results t JOIN points p "
    "ON p.id = t.point_id JOIN sites s ON s.id = p.site_id WHERE t.first_version = ?1 AND NOT EXISTS (SELECT "
    "1 FROM typed_results c WHERE c.replaces = t.id) LIMIT 1) FROM typed_visit_stamps st WHERE "
    "st.first_version = ?1";
constexpr const char* kResultNoteState =
    "SELECT json_object('target', 'result:' || ?1, 'label', l.text, 'note', r.note), r.modified, s.uuid "
    "FROM results r LEFT JOIN labels l ON l.id = r.label_id LEFT JOIN points p ON p.id = r.point_id "
    "LEFT JOIN sites s ON s.id = p.site_id WHERE r.content_key = ?2";
constexpr const char* kReadOutNoteState =
    "SELECT json_object('target', 'readout:' || ?1, 'label', l.text, 'note', o.note), o.modified, NULL "
    "FROM readouts o LEFT JOIN labels l ON l.id = o.label_id WHERE o.id = ?2";

// Each member of the object as JSON text, in the one rendering the base values are kept in too.
std::map<std::string, std::string> FieldValues(archive::Database& db, const std::string& object) {
    std::map<std::string, std::string> fields;
    for (const SqlRow& row : Rows(db,
                                  "SELECT key, CASE WHEN type IN ('object', 'array') THEN value "
                                  "ELSE json_quote(value) END FROM json_each(?1)",
                                  {object})) {
        fields[*row[0]] = row[1].value_or("null");
    }
    return fields;
}

std::optional<EntityState> StateOf(archive::Database& db, const char* sql,
                                   const std::vector<SqlValue>& values, const std::string& outboxKind,
                                   const std::string& outboxRef) {
    const std::vector<SqlRow> rows = Rows(db, sql, values);
    if (rows.empty()) {
        return std::nullopt;
    }
    EntityState state;
    state.fields = FieldValues(db, *rows[0][0]);
    state.stamp = rows[0][1].value_or("");
    state.site = rows[0][2];
    state.outboxKind = outboxKind;
    state.outboxRef = outboxRef;
    return state;
}

std::optional<std::string> BaseSite(archive::Database& db, const Entity& entity) {
    return Single(db,
                  "SELECT site FROM sync_fields WHERE kind = ?1 AND uuid = ?2 AND site IS NOT NULL LIMIT 1",
                  {entity.kind, entity.uuid});
}

// Things known by an id of their own, whose state is read by it.
bool IsPlace(const std::string& kind) {
    return kind == "site" || kind == "point" || kind == "visit" || IsTypedKind(kind);
}

// A site, point, visit or typed thing here, or its tombstone.
std::optional<EntityState> PlaceState(archive::Database& db, const Entity& entity) {
    const bool site = entity.kind == "site";
    const char* sql = site                     ? kSiteState
                      : entity.kind == "point" ? kPointState
                      : entity.kind == "visit" ? kVisitState
                                               : TypedStateSql(entity.kind);
    std::optional<EntityState> state = StateOf(db, sql, {entity.uuid}, entity.kind, entity.uuid);
    if (!state) {
        state = StateOf(db, kTombstoneState, {entity.kind + "s", entity.uuid}, entity.kind, entity.uuid);
        if (state) {
            state->site = site ? std::optional(entity.uuid) : BaseSite(db, entity);
        }
    }
    return state;
}

std::optional<std::string> ReadOutIdOfKey(archive::Database& db, const std::string& key) {
    return Single(db, "SELECT local_id FROM sync_content WHERE kind = 'readout' AND key = ?1", {key});
}

// The text of a JSON string value ("\"abc\"" gives abc).
std::optional<std::string> TextOf(archive::Database& db, const std::string& json) {
    return Single(db, "SELECT json_extract(?1, '$')", {json});
}

}  // namespace

std::vector<std::uint8_t> KeyBytes(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    const auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(digit(hex[i]) * 16 + digit(hex[i + 1])));
    }
    return bytes;
}

std::vector<OutboxEntity> EntitiesOfOutbox(archive::Database& db, const std::string& kind,
                                           const std::string& ref) {
    if (IsPlace(kind)) {
        const Entity entity{kind, ref};
        return {{entity, PlaceState(db, entity)}};
    }
    if (kind == "typed_visit") {
        return {{{"typed_visit", DerivedUuid("typed_visit:" + ref)},
                 StateOf(db, kTypedVisitState, {ref}, kind, ref)}};
    }
    if (kind == "result") {
        return {{{"assignment", DerivedUuid("assignment:result:" + ref)},
                 StateOf(db, kAssignmentState, {ref, KeyBytes(ref)}, kind, ref)},
                {{"note", DerivedUuid("note:result:" + ref)},
                 StateOf(db, kResultNoteState, {ref, KeyBytes(ref)}, kind, ref)}};
    }
    // A read-out's note; the read-out itself goes as content (see the batch).
    const std::optional<std::string> key =
        Single(db, "SELECT key FROM sync_content WHERE kind = 'readout' AND local_id = ?1", {ref});
    if (!key) {
        return {};
    }
    return {{{"note", DerivedUuid("note:readout:" + *key)},
             StateOf(db, kReadOutNoteState, {*key, ref}, kind, ref)}};
}

std::map<std::string, BaseField> BaseFields(archive::Database& db, const Entity& entity) {
    std::map<std::string, BaseField> fields;
    for (const SqlRow& row :
         Rows(db, "SELECT field, value, stamp FROM sync_fields WHERE kind = ?1 AND uuid = ?2",
              {entity.kind, entity.uuid})) {
        fields[*row[0]] = {*row[1], *row[2]};
    }
    return fields;
}

std::optional<EntityState> LocalStateOf(archive::Database& db, const Entity& entity,
                                        const std::map<std::string, std::string>& incoming) {
    if (IsPlace(entity.kind)) {
        return PlaceState(db, entity);
    }
    const std::string targetField = entity.kind == "assignment"    ? "result"
                                    : entity.kind == "typed_visit" ? "typed"
                                                                   : "target";
    std::optional<std::string> targetJson;
    if (const auto given = incoming.find(targetField); given != incoming.end()) {
        targetJson = given->second;
    } else if (const auto base = BaseFields(db, entity); base.contains(targetField)) {
        targetJson = base.at(targetField).value;
    }
    if (!targetJson) {
        return std::nullopt;
    }
    const std::string text = TextOf(db, *targetJson).value_or("");
    if (entity.kind == "assignment") {
        return StateOf(db, kAssignmentState, {text, KeyBytes(text)}, "result", text);
    }
    if (entity.kind == "typed_visit") {
        return StateOf(db, kTypedVisitState, {text}, "typed_visit", text);
    }
    if (text.rfind("result:", 0) == 0) {
        const std::string key = text.substr(7);
        return StateOf(db, kResultNoteState, {key, KeyBytes(key)}, "result", key);
    }
    if (text.rfind("readout:", 0) == 0) {
        const std::string key = text.substr(8);
        if (const std::optional<std::string> id = ReadOutIdOfKey(db, key)) {
            return StateOf(db, kReadOutNoteState, {key, *id}, "readout", *id);
        }
    }
    return std::nullopt;
}

bool ChangedHere(archive::Database& db, const Entity& entity, const EntityState& state) {
    return Single(db,
                  "SELECT EXISTS (SELECT 1 FROM sync_outbox WHERE kind = ?1 AND ref = ?2) "
                  "OR EXISTS (SELECT 1 FROM sync_rejected WHERE kind = ?3 AND uuid = ?4) "
                  "OR EXISTS (SELECT 1 FROM sync_batches b, json_each(b.changes) c "
                  "WHERE json_extract(c.value, '$.id') = ?4)",
                  {state.outboxKind, state.outboxRef, entity.kind, entity.uuid}) == "1";
}

}  // namespace terrovane::sync

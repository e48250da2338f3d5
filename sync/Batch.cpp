#include "Batch.h"

#include <sqlite3.h>

#include <vector>

#include "Analyses.h"
#include "ContentKey.h"
#include "LocalSql.h"
#include "LocalState.h"
#include "MergeDecision.h"
#include "SyncIds.h"
#include "SyncState.h"

namespace terrovane::sync {
namespace {

// Places first, so a point's site and a result's point and visit arrive before what refers to them; a
// typed result's visit after the typed result.
constexpr const char* kOutboxEntries =
    "SELECT kind, ref FROM sync_outbox WHERE kind <> 'conflict' ORDER BY CASE kind WHEN 'site' THEN 0 WHEN "
    "'point' THEN 1 "
    "WHEN 'visit' THEN 2 WHEN 'readout' THEN 2 WHEN 'typed_visit' THEN 4 ELSE 3 END, ref LIMIT ?1";

std::string FieldChange(const Entity& entity, const std::optional<std::string>& site,
                        const std::string& field, const std::string& value, const std::string& stamp,
                        const std::string& base) {
    return R"({"type":"field","kind":)" + JsonString(entity.kind) + R"(,"id":)" + JsonString(entity.uuid) +
           R"(,"site":)" + (site ? JsonString(*site) : "null") + R"(,"field":)" + JsonString(field) +
           R"(,"value":)" + value + R"(,"stamp":)" + JsonString(stamp) +
           (base.empty() ? "" : R"(,"base":)" + JsonString(base)) + "}";
}

// The read-out's content, once: its key is noted here so its note and later answers can find it. The
// batch names the read-out by its row; its image is added as the batch is sent (PrepareSending).
std::optional<std::string> ReadOutContent(archive::Database& db, const std::string& id) {
    Bound query(db, "SELECT read_at, port, image FROM readouts WHERE id = ?", {WholeNumber(id, 0)});
    if (query->Step() != SQLITE_ROW) {
        return std::nullopt;
    }
    const std::string key = ReadOutKey(query->Text(0), query->Text(1), query->Blob(2));
    Exec(db, "INSERT OR IGNORE INTO sync_content (kind, key, local_id) VALUES ('readout', ?1, ?2)",
         {key, id});
    if (Single(db, "SELECT sent FROM sync_content WHERE kind = 'readout' AND key = ?1", {key}) == "1") {
        return std::nullopt;
    }
    return R"({"type":"content","kind":"readout","key":)" + JsonString(key) + R"(,"site":null,"ref":)" +
           JsonString(id) + "}";
}

// A note without label and text.
bool IsBlank(const std::map<std::string, std::string>& fields) {
    return fields.contains("target") && fields.at("label") == "null" && fields.at("note") == "null";
}

void AddChangesOf(archive::Database& db, const std::string& kind, const std::string& ref,
                  std::vector<std::string>& changes) {
    if (IsAnalysisEntry(kind)) {
        AddAnalysisChanges(db, kind, ref, changes);
        return;
    }
    if (kind == "readout") {
        if (std::optional<std::string> content = ReadOutContent(db, ref)) {
            changes.push_back(std::move(*content));
        }
    }
    for (const OutboxEntity& thing : EntitiesOfOutbox(db, kind, ref)) {
        if (!thing.state) {
            continue;
        }
        std::map<std::string, FieldBase> base;
        for (const auto& [field, known] : BaseFields(db, thing.entity)) {
            base[field] = {known.value, known.stamp};
        }
        if (base.empty() && IsBlank(thing.state->fields)) {
            continue;  // a read-out or result no one has labelled or noted: nothing to share yet
        }
        for (const std::string& field : FieldsToSend(thing.state->fields, base)) {
            const auto known = base.find(field);
            changes.push_back(FieldChange(thing.entity, thing.state->site, field,
                                          thing.state->fields.at(field), thing.state->stamp,
                                          known != base.end() ? known->second.stamp : std::string()));
        }
    }
}

void ApplyOutcome(archive::Database& db, const SqlRow& change, BatchAnswer& answer) {
    // type, kind, id, field, site, value, stamp, key, outcome, sqlstate, reason
    const std::string type = change[0].value_or("");
    const std::string outcome = change[8].value_or("rejected");
    if (outcome == "rejected") {
        ++answer.rejected;
        const bool field = type == "field";
        Exec(db, "INSERT OR REPLACE INTO sync_rejected VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
             {change[1].value_or(""), field ? change[2].value_or("") : change[7].value_or(""),
              field ? change[3].value_or("") : std::string(),
              field ? SqlValue(change[5].value_or("null")) : SqlValue(), change[9].value_or(""),
              change[10].value_or("")});
        return;
    }
    ++answer.taken;
    answer.clamped += outcome == "clamped" ? 1 : 0;
    if (type == "content") {
        Exec(db, "UPDATE sync_content SET sent = 1 WHERE kind = ?1 AND key = ?2",
             {change[1].value_or(""), change[7].value_or("")});
        Exec(db, "DELETE FROM sync_rejected WHERE kind = ?1 AND uuid = ?2",
             {change[1].value_or(""), change[7].value_or("")});
        return;
    }
    // Superseded too: the server has seen this value, and the later one it kept comes with the pull.
    Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
         {change[1].value_or(""), change[2].value_or(""), change[3].value_or(""),
          change[4] ? SqlValue(*change[4]) : SqlValue(), change[5].value_or("null"), change[6].value_or("")});
    Exec(db, "DELETE FROM sync_rejected WHERE kind = ?1 AND uuid = ?2 AND field = ?3",
         {change[1].value_or(""), change[2].value_or(""), change[3].value_or("")});
}

}  // namespace

std::optional<Batch> NextBatch(archive::Database& db, int entries) {
    const PreparedOnce prepared(db);
    const std::vector<SqlRow> waiting =
        Rows(db, "SELECT batch, changes FROM sync_batches ORDER BY batch LIMIT 1");
    if (!waiting.empty()) {
        Batch batch{WholeNumber(waiting[0][0], 1), *waiting[0][1], {}, {}};
        PrepareSending(db, batch);
        return batch;
    }
    while (true) {
        const std::vector<SqlRow> outbox = Rows(db, kOutboxEntries, {static_cast<std::int64_t>(entries)});
        if (outbox.empty()) {
            return std::nullopt;
        }
        std::vector<std::string> changes;
        for (const SqlRow& entry : outbox) {
            AddChangesOf(db, *entry[0], *entry[1], changes);
            Exec(db, "DELETE FROM sync_outbox WHERE kind = ?1 AND ref = ?2", {*entry[0], *entry[1]});
        }
        if (changes.empty()) {
            continue;  // everything listed was as the server has it already
        }
        Batch batch;
        batch.number = WholeNumber(StateValue(db, "next_batch", "1"), 1);
        batch.changes = "[";
        for (std::size_t i = 0; i < changes.size(); ++i) {
            batch.changes += (i == 0 ? "" : ",") + changes[i];
        }
        batch.changes += "]";
        Exec(db, "INSERT INTO sync_batches VALUES (?1, ?2)", {batch.number, batch.changes});
        PrepareSending(db, batch);
        return batch;
    }
}

BatchAnswer Acknowledge(archive::Database& db, const Batch& batch, const std::string& answerJson) {
    BatchAnswer answer;
    const std::vector<SqlRow> head = Rows(
        db,
        "SELECT json_extract(?1, '$.status'), json_extract(?1, '$.expected'), json_extract(?1, '$.server')",
        {answerJson});
    const std::string status = head.empty() ? "" : head[0][0].value_or("");
    if (status == "gap" && WholeNumber(head[0][1], 0) > 0) {
        answer.status = BatchAnswer::Status::Gap;
        answer.expected = WholeNumber(head[0][1], 0);
        Exec(db, "UPDATE sync_batches SET batch = ?1 WHERE batch = ?2", {answer.expected, batch.number});
        SetStateValue(db, "next_batch", std::to_string(answer.expected));
        return answer;
    }
    if (status == "copied") {
        answer.status = BatchAnswer::Status::Copied;
        return answer;
    }
    if (status == "other_login") {
        answer.status = BatchAnswer::Status::OtherLogin;
        return answer;
    }
    if (status == "layout") {
        answer.status = BatchAnswer::Status::Layout;
        answer.serverLayout = static_cast<int>(WholeNumber(head[0][2], 0));
        return answer;
    }
    if (status != "applied") {
        return answer;
    }
    answer.status = BatchAnswer::Status::Applied;
    const PreparedOnce prepared(db);
    const std::vector<SqlRow> changes = Rows(
        db,
        // Each change without its body (a read-out's image) once, so the fields are read from a small text.
        "WITH c AS MATERIALIZED (SELECT key AS i, json_remove(value, '$.body') AS v FROM json_each(?1)), "
        "o AS MATERIALIZED (SELECT json_extract(value, '$.index') AS i, value AS v FROM json_each(?2, "
        "'$.changes')) "
        "SELECT json_extract(c.v, '$.type'), json_extract(c.v, '$.kind'), json_extract(c.v, '$.id'), "
        "json_extract(c.v, '$.field'), json_extract(c.v, '$.site'), json_quote(json_extract(c.v, "
        "'$.value')), "
        "json_extract(c.v, '$.stamp'), json_extract(c.v, '$.key'), json_extract(o.v, '$.outcome'), "
        "json_extract(o.v, '$.sqlstate'), json_extract(o.v, '$.reason') "
        "FROM c LEFT JOIN o ON o.i = c.i ORDER BY c.i",
        {batch.changes, answerJson});
    for (const SqlRow& change : changes) {
        ApplyOutcome(db, change, answer);
    }
    Exec(db, "DELETE FROM sync_batches WHERE batch = ?1", {batch.number});
    SetStateValue(db, "next_batch", std::to_string(batch.number + 1));
    return answer;
}

void SendRefusedAgain(archive::Database& db) {
    constexpr const char* kNoRight = "42501";
    for (const SqlRow& refused :
         Rows(db, "SELECT kind, uuid FROM sync_rejected WHERE sqlstate = ?1", {std::string(kNoRight)})) {
        const Entity entity{refused[0].value_or(""), refused[1].value_or("")};
        if (entity.kind == "attachment" || entity.kind == "issued_report") {
            continue;  // files are offered again by their own pass once no longer listed as refused
        }
        if (entity.kind == "readout") {
            Exec(
                db,
                "INSERT OR IGNORE INTO sync_outbox SELECT 'readout', local_id FROM sync_content WHERE kind = "
                "'readout' AND key = ?1",
                {entity.uuid});
            continue;
        }
        if (const std::optional<EntityState> state = LocalStateOf(db, entity, {})) {
            Exec(db, "INSERT OR IGNORE INTO sync_outbox VALUES (?1, ?2)",
                 {state->outboxKind, state->outboxRef});
        }
    }
    Exec(db, "DELETE FROM sync_rejected WHERE sqlstate = ?1", {std::string(kNoRight)});
}

void BecomeNewDevice(archive::Database& db) {
    Exec(db, "UPDATE archive_clock SET device = ?1", {NewUuid()});
    std::int64_t number = 0;
    for (const SqlRow& kept : Rows(db, "SELECT batch FROM sync_batches ORDER BY batch")) {
        ++number;
        Exec(db, "UPDATE sync_batches SET batch = ?1 WHERE batch = ?2", {number, WholeNumber(kept[0], 0)});
    }
    SetStateValue(db, "next_batch", std::to_string(number + 1));
}

int Unsent(archive::Database& db) {
    return static_cast<int>(
        WholeNumber(Single(db,
                           "SELECT (SELECT count(*) FROM sync_outbox) + "
                           "(SELECT coalesce(sum(json_array_length(changes)), 0) FROM sync_batches)"),
                    0));
}

}  // namespace terrovane::sync

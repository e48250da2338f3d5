#include "Analyses.h"

#include "AnalysisBody.h"
#include "LocalSql.h"
#include "SyncIds.h"

namespace terrovane::sync {
namespace {

// The outbox entry of an analysis deleted here, and the thing an analysis received waits as.
constexpr const char* kDeletedEntry = "analysis_deleted";
constexpr const char* kWaiting = "analysis";

void AddContent(archive::Database& db, const AnalysisKind& kind, const std::string& ref,
                std::vector<std::string>& changes) {
    const std::optional<AnalysisContent> content = AnalysisContentOf(db, kind, WholeNumber(ref, 0));
    if (!content) {
        return;  // deleted before it was sent
    }
    Exec(db, "INSERT OR REPLACE INTO sync_analyses (uuid, kind, key, site) VALUES (?1, ?2, ?3, ?4)",
         {content->uuid, std::string(kind.name), content->key, content->site});
    Exec(db, "INSERT OR IGNORE INTO sync_content (kind, key, local_id) VALUES ('analysis', ?1, ?2)",
         {content->key, ref});
    if (Single(db, "SELECT sent FROM sync_content WHERE kind = 'analysis' AND key = ?1", {content->key}) ==
        "1") {
        return;
    }
    changes.push_back(R"({"type":"content","kind":"analysis","key":)" + JsonString(content->key) +
                      R"(,"site":)" + JsonString(content->site) + R"(,"body":)" + content->body + "}");
}

// Deleted here: the team hears of it only when it had the analysis (it was sent or received).
void AddDeletion(archive::Database& db, const std::string& uuid, std::vector<std::string>& changes) {
    const std::vector<SqlRow> known = Rows(db,
                                           "SELECT a.kind, a.site, t.deleted FROM sync_analyses a "
                                           "JOIN tombstones t ON t.uuid = a.uuid WHERE a.uuid = ?1",
                                           {uuid});
    if (known.empty()) {
        return;
    }
    const Entity entity{known[0][0].value_or(""), uuid};
    const std::map<std::string, BaseField> base = BaseFields(db, entity);
    const auto deleted = base.find("deleted");
    if (deleted != base.end() && deleted->second.value == "1") {
        return;
    }
    changes.push_back(
        R"({"type":"field","kind":)" + JsonString(entity.kind) + R"(,"id":)" + JsonString(uuid) +
        R"(,"site":)" + (known[0][1] ? JsonString(*known[0][1]) : std::string("null")) +
        R"(,"field":"deleted","value":1,"stamp":)" + JsonString(known[0][2].value_or("")) +
        (deleted != base.end() ? R"(,"base":)" + JsonString(deleted->second.stamp) : std::string()) + "}");
}

// Listed with the refused changes: the team has it, this program cannot keep it.
void ListUnreadable(archive::Database& db, const std::string& key, const std::string& problem) {
    Exec(db, "INSERT OR REPLACE INTO sync_rejected VALUES ('analysis', ?1, '', NULL, '', ?2)",
         {key, "unreadable analysis: " + problem});
}

void StopWaiting(archive::Database& db, const std::string& uuid) {
    Exec(db, "UPDATE sync_analyses SET waiting = NULL WHERE uuid = ?1", {uuid});
}

bool DeletedAnywhere(archive::Database& db, const AnalysisKind& kind, const std::string& uuid) {
    return Single(db,
                  "SELECT EXISTS (SELECT 1 FROM sync_fields WHERE kind = ?1 AND uuid = ?2 AND field = "
                  "'deleted' AND value = '1') OR EXISTS (SELECT 1 FROM tombstones WHERE uuid = ?2)",
                  {std::string(kind.name), uuid}) == "1";
}

// The row id here of the site or point the analysis is kept with; nullopt while it has not arrived.
std::optional<std::string> PlaceHere(archive::Database& db, const AnalysisKind& kind,
                                     const std::string& body) {
    const bool onPoint = std::string(kind.placeColumn) == "point_id";
    const std::optional<std::string> uuid =
        Single(db, "SELECT json_extract(?1, ?2)", {body, std::string(onPoint ? "$.point" : "$.site")});
    if (!uuid) {
        return std::nullopt;
    }
    return Single(db, std::string("SELECT id FROM ") + (onPoint ? "points" : "sites") + " WHERE uuid = ?1",
                  {*uuid});
}

InsertOutcome InsertInSavepoint(archive::Database& db, const AnalysisKind& kind, const std::string& body,
                                std::int64_t place) {
    Exec(db, "SAVEPOINT analysis");
    InsertOutcome outcome;
    try {
        outcome = InsertAnalysis(db, kind, body, place);
    } catch (const LocalFailure& failure) {
        outcome.problem = failure.what();
    }
    if (outcome.status != InsertOutcome::Status::Stored) {
        Exec(db, "ROLLBACK TO analysis");
    }
    Exec(db, "RELEASE analysis");
    return outcome;
}

Materialized StoreWaiting(archive::Database& db, const std::string& uuid) {
    const std::vector<SqlRow> held = Rows(
        db, "SELECT kind, key, waiting FROM sync_analyses WHERE uuid = ?1 AND waiting IS NOT NULL", {uuid});
    if (held.empty()) {
        return Materialized::Done;
    }
    const AnalysisKind* kind = AnalysisKindNamed(held[0][0].value_or(""));
    const std::string key = held[0][1].value_or("");
    const std::string body = held[0][2].value_or("{}");
    if (kind == nullptr || DeletedAnywhere(db, *kind, uuid) ||
        Single(db, std::string("SELECT 1 FROM ") + kind->table + " WHERE uuid = ?1", {uuid})) {
        StopWaiting(db, uuid);
        return Materialized::Done;
    }
    const std::optional<std::string> place = PlaceHere(db, *kind, body);
    if (!place) {
        return Materialized::Waiting;
    }
    const InsertOutcome outcome = InsertInSavepoint(db, *kind, body, WholeNumber(place, 0));
    if (outcome.status == InsertOutcome::Status::Waiting) {
        return Materialized::Waiting;
    }
    if (outcome.status == InsertOutcome::Status::Stored) {
        Exec(db, "UPDATE sync_content SET local_id = ?1 WHERE kind = 'analysis' AND key = ?2",
             {outcome.id, key});
    } else {
        ListUnreadable(db, key, outcome.problem);
    }
    StopWaiting(db, uuid);
    return Materialized::Done;
}

Materialized ApplyDeletion(archive::Database& db, const Entity& entity) {
    const AnalysisKind* kind = AnalysisKindNamed(entity.kind);
    const std::map<std::string, BaseField> fields = BaseFields(db, entity);
    const auto deleted = fields.find("deleted");
    if (kind != nullptr && deleted != fields.end() && deleted->second.value == "1") {
        Exec(db, std::string("DELETE FROM ") + kind->table + " WHERE uuid = ?1", {entity.uuid});
        StopWaiting(db, entity.uuid);
    }
    return Materialized::Done;
}

}  // namespace

bool IsAnalysisEntry(const std::string& kind) {
    return kind == kDeletedEntry || AnalysisKindNamed(kind) != nullptr;
}

void AddAnalysisChanges(archive::Database& db, const std::string& kind, const std::string& ref,
                        std::vector<std::string>& changes) {
    if (kind == kDeletedEntry) {
        AddDeletion(db, ref, changes);
    } else if (const AnalysisKind* analysis = AnalysisKindNamed(kind)) {
        AddContent(db, *analysis, ref, changes);
    }
}

int TakeAnalysis(archive::Database& db, const PulledChange& change) {
    const std::string& key = change.id;
    if (Single(db, "SELECT 1 FROM sync_content WHERE kind = 'analysis' AND key = ?1", {key})) {
        Exec(db, "UPDATE sync_content SET sent = 1 WHERE kind = 'analysis' AND key = ?1", {key});
        return 0;
    }
    const std::string body = change.value.value_or("");
    const std::vector<SqlRow> head = Rows(
        db, "SELECT json_extract(?1, '$.analysis'), json_extract(?1, '$.uuid') WHERE json_valid(?1)", {body});
    const AnalysisKind* kind = head.empty() ? nullptr : AnalysisKindNamed(head[0][0].value_or(""));
    if (kind == nullptr || head[0][1].value_or("").empty()) {
        ListUnreadable(db, key, "not an analysis this program keeps");
        return 0;
    }
    const std::string uuid = *head[0][1];
    Exec(db, "INSERT OR IGNORE INTO sync_content (kind, key, local_id, sent) VALUES ('analysis', ?1, 0, 1)",
         {key});
    Exec(db,
         "INSERT OR REPLACE INTO sync_analyses (uuid, kind, key, site, waiting) VALUES (?1, ?2, ?3, ?4, ?5)",
         {uuid, std::string(kind->name), key, change.site ? SqlValue(*change.site) : SqlValue(), body});
    if (StoreWaiting(db, uuid) == Materialized::Waiting) {
        Exec(db, "INSERT OR IGNORE INTO sync_pending VALUES (?1, ?2)", {std::string(kWaiting), uuid});
    }
    return 1;
}

bool IsAnalysisEntity(const Entity& entity) {
    return entity.kind == kWaiting || AnalysisKindNamed(entity.kind) != nullptr;
}

Materialized MaterializeAnalysis(archive::Database& db, const Entity& entity) {
    return entity.kind == kWaiting ? StoreWaiting(db, entity.uuid) : ApplyDeletion(db, entity);
}

}  // namespace terrovane::sync

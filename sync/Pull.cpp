#include "Pull.h"

#include <algorithm>
#include <map>

#include "Analyses.h"
#include "Hlc.h"
#include "LocalSql.h"
#include "LocalState.h"
#include "Materialize.h"
#include "MergeDecision.h"
#include "SlotFill.h"
#include "SyncState.h"

namespace terrovane::sync {
namespace {

struct IncomingField {
    std::string value;  // JSON, as the archive renders it
    std::string stamp;
    std::string by;
    std::optional<std::string> site;
};

// Places before what refers to them.
int KindRank(const std::string& kind) {
    return kind == "site"          ? 0
           : kind == "point"       ? 1
           : kind == "visit"       ? 2
           : kind == "assignment"  ? 3
           : kind == "typed_visit" ? 5
                                   : 4;
}

// The archive's clock goes past every stamp received, so a change made here later is later everywhere.
void AdvanceClock(archive::Database& db, const std::vector<PulledChange>& page) {
    std::optional<archive::HlcStamp> latest;
    for (const PulledChange& change : page) {
        if (change.stamp) {
            const std::optional<archive::HlcStamp> stamp = archive::ParseStamp(*change.stamp);
            if (stamp && (!latest || *stamp > *latest)) {
                latest = stamp;
            }
        }
    }
    if (latest) {
        Exec(db,
             "UPDATE archive_clock SET millis = ?1, counter = ?2 WHERE millis < ?1 OR (millis = ?1 AND "
             "counter < ?2)",
             {latest->millis, latest->counter});
    }
}

// Merges the fields of one thing; returns the fields to write into its row here, and counts in `news`
// those that were not as the server had them already (a change of this PC coming back is none).
std::set<std::string> MergeFields(archive::Database& db, const Entity& entity,
                                  const std::map<std::string, IncomingField>& incoming, int& news) {
    std::map<std::string, std::string> values;
    for (const auto& [field, change] : incoming) {
        values[field] = change.value;
    }
    const std::optional<EntityState> local = LocalStateOf(db, entity, values);
    const std::map<std::string, BaseField> base = BaseFields(db, entity);
    const bool pendingHere = local && ChangedHere(db, entity, *local);
    std::set<std::string> wanted;
    for (const auto& [field, change] : incoming) {
        FieldSides sides{std::nullopt, std::nullopt, pendingHere, local ? local->stamp : std::string(),
                         change.value, change.stamp};
        if (const auto here =
                local ? local->fields.find(field) : std::map<std::string, std::string>::const_iterator();
            local && here != local->fields.end()) {
            sides.here = here->second;
        }
        if (const auto known = base.find(field); known != base.end()) {
            sides.base = FieldBase{known->second.value, known->second.stamp};
        }
        const FieldVerdict verdict = DecideField(sides);
        if (verdict == FieldVerdict::KeepHere) {
            continue;  // the change made here is later: it stays, and goes with the next push
        }
        if (verdict == FieldVerdict::TakeIncomingConflict) {
            NoteConflict(db, {entity, field, change.value, change.stamp, change.by, *sides.here, local->stamp,
                              kThisPc});
        }
        news += IsNews(sides.base, change.value, change.stamp);
        Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
             {entity.kind, entity.uuid, field, change.site ? SqlValue(*change.site) : SqlValue(),
              change.value, change.stamp});
        wanted.insert(field);
    }
    return wanted;
}

int StoreReadOut(archive::Archive& archive, archive::Database& db, const PulledChange& change) {
    const std::optional<std::string> held =
        Single(db, "SELECT local_id FROM sync_content WHERE kind = 'readout' AND key = ?1", {change.id});
    if (held) {
        Exec(db, "UPDATE sync_content SET sent = 1 WHERE kind = 'readout' AND key = ?1", {change.id});
    }
    const std::vector<SqlRow> body = Rows(
        db, "SELECT json_extract(?1, '$.read_at'), json_extract(?1, '$.port'), json_extract(?1, '$.image')",
        {change.value.value_or("{}")});
    const std::string hex = body[0][2].value_or("");
    const std::vector<std::uint8_t> bytes = KeyBytes(hex);
    record::ReadOutBuffer image{};
    if (!body[0][0] || !body[0][1] || bytes.size() != image.size() || hex.size() != 2 * image.size()) {
        // Not a read-out this program can keep: left out, listed with the refused changes (one held
        // already stays as it is).
        if (held) {
            return 0;
        }
        Exec(db,
             "INSERT OR REPLACE INTO sync_rejected VALUES ('readout', ?1, '', NULL, '', 'unreadable "
             "read-out')",
             {change.id});
        return 0;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    if (held) {
        // Held with the slots of other sites blank: those that became this member's are filled in.
        archive::StoreOutcome filled;
        if (const archive::Status status = archive::FillBlankSlots(db, WholeNumber(held, 0), image, filled);
            !status) {
            throw LocalFailure(0, status.Error().Text());
        }
        return filled.newResults + filled.knownResults > 0 ? 1 : 0;
    }
    const archive::StoreOutcome stored = archive.Store({*body[0][0], *body[0][1], &image});
    if (!stored.stored) {
        throw LocalFailure(0, stored.error);
    }
    Exec(db, "INSERT OR REPLACE INTO sync_content (kind, key, local_id, sent) VALUES ('readout', ?1, ?2, 1)",
         {change.id, stored.readoutId});
    return 1;
}

void ListServerConflict(archive::Database& db, const PulledChange& change) {
    Exec(db,
         "INSERT OR IGNORE INTO sync_conflicts (server_seq, kind, uuid, field, kept_value, kept_stamp, "
         "kept_by, "
         "lost_value, lost_stamp, lost_by, noted_at) SELECT ?2, ?3, json_extract(?1, '$.id'), ?4, "
         "json_quote(json_extract(?1, '$.kept_value')), json_extract(?1, '$.kept_stamp'), "
         "json_extract(?1, '$.kept_by'), json_quote(json_extract(?1, '$.lost_value')), "
         "json_extract(?1, '$.lost_stamp'), json_extract(?1, '$.lost_by'), json_extract(?1, '$.noted_at') "
         "WHERE json_extract(?1, '$.kept_stamp') IS NOT NULL",
         {change.value.value_or("{}"), change.id, change.kind, change.field.value_or("")});
    // Settled on some PC: off the list here too.
    Exec(
        db,
        "UPDATE sync_conflicts SET resolved = 1 WHERE server_seq = ?1 AND json_extract(?2, '$.resolved') = 1",
        {change.id, change.value.value_or("{}")});
}

void Settle(archive::Database& db, const Entity& entity, const std::optional<std::set<std::string>>& fields) {
    if (Materialize(db, entity, fields) == Materialized::Waiting) {
        Exec(db, "INSERT OR IGNORE INTO sync_pending VALUES (?1, ?2)", {entity.kind, entity.uuid});
    } else {
        Exec(db, "DELETE FROM sync_pending WHERE kind = ?1 AND uuid = ?2", {entity.kind, entity.uuid});
    }
}

// What waited for a site, point, result or read-out is tried again until nothing more comes of it.
void RetryWaiting(archive::Database& db) {
    for (std::size_t before = 0;;) {
        const std::vector<SqlRow> waiting = Rows(db, "SELECT kind, uuid FROM sync_pending");
        if (waiting.empty() || waiting.size() == before) {
            return;
        }
        before = waiting.size();
        for (const SqlRow& row : waiting) {
            Settle(db, {*row[0], *row[1]}, std::nullopt);
        }
    }
}

}  // namespace

int ApplyPage(archive::Archive& archive, archive::Database& db, const std::vector<PulledChange>& page) {
    if (page.empty()) {
        return 0;
    }
    Applying applying(db);
    const PreparedOnce prepared(db);
    AdvanceClock(db, page);
    std::map<Entity, std::map<std::string, IncomingField>> fields;
    int taken = 0;
    for (const PulledChange& change : page) {
        if (change.source == "field" && change.field && change.stamp) {
            const std::string value =
                Single(db, "SELECT json_quote(json_extract(?1, '$'))", {change.value.value_or("null")})
                    .value_or("null");
            fields[{change.kind, change.id}][*change.field] = {value, *change.stamp,
                                                               change.changedBy.value_or(""), change.site};
        } else if (change.source == "content" && change.kind == "readout" && change.value) {
            taken += StoreReadOut(archive, db, change);
        } else if (change.source == "content" && change.kind == "analysis") {
            taken += TakeAnalysis(db, change);
        } else if (change.source == "conflict") {
            ListServerConflict(db, change);
        }
    }
    std::vector<std::pair<Entity, std::set<std::string>>> touched;
    for (const auto& [entity, incoming] : fields) {
        touched.emplace_back(entity, MergeFields(db, entity, incoming, taken));
    }
    std::stable_sort(touched.begin(), touched.end(), [](const auto& a, const auto& b) {
        return KindRank(a.first.kind) < KindRank(b.first.kind);
    });
    for (const auto& [entity, wanted] : touched) {
        if (!wanted.empty()) {
            Settle(db, entity, wanted);
        }
    }
    RetryWaiting(db);
    SetStateValue(db, "cursor", page.back().ord);
    applying.Finish();
    return taken;
}

}  // namespace terrovane::sync

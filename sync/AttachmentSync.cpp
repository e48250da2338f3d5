// Attachments travel known by what they attach to and their file's digest, as an archive keeps a file
// once per owner. What the server last had of each (its name, caption and report choice) is kept here as
// the base: a side that differs from it changed, so neither side's edit is taken for the other's. One with
// a base and gone from here was removed here; one the server lists as removed goes here too.
#include <map>
#include <set>

#include "FileTransfer.h"
#include "Files.h"
#include "LocalSql.h"

namespace terrovane::sync {
namespace {

constexpr const char* kAttachmentBase = "attachment";

struct AttachmentState {
    std::string key;
    std::string ownerKind;
    std::string ownerRef;
    std::string digest;
    std::string fileKind;
    std::int64_t size = 0;
    std::string name;
    std::string caption;
    bool chosen = false;
    std::string meta;  // JSON: width, height, taken, latitude, longitude
    std::string State() const { return name + '\x1f' + caption + '\x1f' + (chosen ? "1" : "0"); }
};

// A typed result's attachments are known by its first version, which every correction shares. A result's
// key comes last: the hex of no key is an empty text, not NULL.
constexpr const char* kLocalAttachments =
    "SELECT CASE WHEN a.site_id IS NOT NULL THEN 'site' WHEN a.point_id IS NOT NULL THEN 'point' WHEN "
    "a.result_id IS NOT NULL THEN 'result' ELSE 'typed_result' END, coalesce(s.uuid, p.uuid, "
    "a.typed_result, lower(hex(r.content_key))), f.digest, f.kind, f.size, a.name, a.caption, "
    "EXISTS (SELECT 1 FROM report_photos c WHERE c.attachment_id = a.id), "
    "json_object('width', f.width, 'height', f.height, 'taken', f.taken, 'latitude', f.latitude, "
    "'longitude', "
    "f.longitude) "
    "FROM attachments a JOIN attachment_files f ON f.id = a.file_id LEFT JOIN sites s ON s.id = a.site_id "
    "LEFT JOIN points p ON p.id = a.point_id LEFT JOIN results r ON r.id = a.result_id "
    "WHERE coalesce(s.uuid, p.uuid, r.content_key, a.typed_result) IS NOT NULL ORDER BY a.id";

std::string KeyOf(const AttachmentState& a) {
    return a.ownerKind + ":" + a.ownerRef + ":" + a.digest;
}

// What a key names: the owner's kind and reference, and the file's digest (the hex after the last colon).
std::optional<AttachmentState> StateOfKey(const std::string& key) {
    const std::size_t kind = key.find(':');
    const std::size_t digest = key.rfind(':');
    if (kind == std::string::npos || digest == kind) {
        return std::nullopt;
    }
    AttachmentState a;
    a.key = key;
    a.ownerKind = key.substr(0, kind);
    a.ownerRef = key.substr(kind + 1, digest - kind - 1);
    a.digest = key.substr(digest + 1);
    return a;
}

std::map<std::string, AttachmentState> LocalAttachments(archive::Database& db) {
    std::map<std::string, AttachmentState> found;
    for (const SqlRow& row : Rows(db, kLocalAttachments)) {
        AttachmentState a{"",
                          row[0].value_or(""),
                          row[1].value_or(""),
                          row[2].value_or(""),
                          row[3].value_or(""),
                          WholeNumber(row[4], 0),
                          row[5].value_or(""),
                          row[6].value_or(""),
                          row[7] == "1",
                          row[8].value_or("{}")};
        a.key = KeyOf(a);
        found.emplace(a.key, std::move(a));
    }
    return found;
}

std::map<std::string, std::string> Bases(archive::Database& db) {
    std::map<std::string, std::string> bases;
    for (const SqlRow& row :
         Rows(db, "SELECT uuid, value FROM sync_fields WHERE kind = ?1 AND field = 'state'",
              {std::string(kAttachmentBase)})) {
        bases[row[0].value_or("")] = row[1].value_or("");
    }
    return bases;
}

void SetBase(archive::Database& db, const AttachmentState& a) {
    Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, 'state', NULL, ?3, '')",
         {std::string(kAttachmentBase), a.key, a.State()});
}

// The archive's column that names an attachment's owner of this kind.
std::string OwnerColumn(const std::string& ownerKind) {
    return ownerKind == "typed_result" ? ownerKind : ownerKind + "_id";
}

// What the owner's column holds here: a row's id, or a typed result's first version.
std::optional<std::string> LocalOwnerId(archive::Database& db, const AttachmentState& a) {
    if (a.ownerKind == "typed_result") {
        return Single(db, "SELECT first_version FROM typed_results WHERE first_version = ?1 LIMIT 1",
                      {a.ownerRef});
    }
    if (a.ownerKind == "site") {
        return Single(db, "SELECT id FROM sites WHERE uuid = ?1", {a.ownerRef});
    }
    if (a.ownerKind == "point") {
        return Single(db, "SELECT id FROM points WHERE uuid = ?1", {a.ownerRef});
    }
    const std::optional<std::string> key = BytesOfHex(a.ownerRef);
    if (!key) {
        return std::nullopt;
    }
    return Single(db, "SELECT id FROM results WHERE content_key = ?1",
                  {std::vector<std::uint8_t>(key->begin(), key->end())});
}

void SetChosen(archive::Database& db, const std::string& attachment, bool chosen) {
    Exec(db,
         chosen ? "INSERT OR IGNORE INTO report_photos (attachment_id) VALUES (?1)"
                : "DELETE FROM report_photos WHERE attachment_id = ?1",
         {attachment});
}

std::optional<std::string> LocalAttachmentId(archive::Database& db, const AttachmentState& a,
                                             const std::string& owner) {
    const std::string column = OwnerColumn(a.ownerKind);
    return Single(
        db,
        "SELECT a.id FROM attachments a JOIN attachment_files f ON f.id = a.file_id WHERE f.digest = ?1 "
        "AND a." +
            column + " = ?2",
        {a.digest, owner});
}

class AttachmentSync {
  public:
    AttachmentSync(const FileLink& link, SyncReport& report) : link_(link), report_(report) {}
    bool Run();

  private:
    bool ReadHere();
    bool Push();
    bool Send(const AttachmentState& a, bool fileMissing);
    std::vector<std::string> DetachedHere(archive::Database& db) const;
    bool SendRemoval(const std::string& key);
    bool ReadServer(std::vector<AttachmentState>& server);
    bool TakeRemovals();
    bool Take(const AttachmentState& s);
    bool Insert(const AttachmentState& s);

    const FileLink& link_;
    SyncReport& report_;
    std::map<std::string, AttachmentState> here_;
    std::map<std::string, std::string> bases_;
    std::set<std::string> refused_;
};

bool AttachmentSync::ReadHere() {
    return link_.local([&](archive::Database& db) {
        here_ = LocalAttachments(db);
        bases_ = Bases(db);
        for (const SqlRow& row :
             Rows(db, "SELECT uuid FROM sync_rejected WHERE kind = ?1", {std::string(kAttachmentBase)})) {
            refused_.insert(row[0].value_or(""));
        }
    });
}

bool AttachmentSync::Push() {
    std::vector<const AttachmentState*> changed;
    std::vector<std::string> digests;
    for (const auto& [key, a] : here_) {
        const auto base = bases_.find(key);
        // One refused stays listed and is not sent again until the member's rights change.
        if ((base == bases_.end() || base->second != a.State()) && !refused_.contains(key)) {
            changed.push_back(&a);
            digests.push_back(a.digest);
        }
    }
    const std::optional<std::vector<std::string>> missing = FilesMissing(link_, digests);
    if (!missing) {
        return false;
    }
    std::set<std::string> toSend(missing->begin(), missing->end());
    for (const AttachmentState* a : changed) {
        if (link_.cancelled()) {
            return false;
        }
        if (!Send(*a, toSend.contains(a->digest))) {
            return false;
        }
        toSend.erase(a->digest);
    }
    std::vector<std::string> removed;
    if (!link_.local([&](archive::Database& db) { removed = DetachedHere(db); })) {
        return false;
    }
    for (const std::string& key : removed) {
        if (link_.cancelled() || !SendRemoval(key)) {
            return false;
        }
    }
    return true;
}

// The attachments the server had from or for this archive that were taken off their owner here. One that
// went with its owner (a site, point or result deleted here) is not among them: the owner's deletion
// travels on its own, and a PC that keeps the owner (for its results) keeps its photos too.
std::vector<std::string> AttachmentSync::DetachedHere(archive::Database& db) const {
    std::vector<std::string> detached;
    for (const auto& [key, base] : bases_) {
        if (here_.contains(key) || refused_.contains(key)) {
            continue;
        }
        const std::optional<AttachmentState> gone = StateOfKey(key);
        if (gone && LocalOwnerId(db, *gone)) {
            detached.push_back(key);
        }
    }
    return detached;
}

// Removed here after the server had it: removed for everyone, unless the member may not change its site
// (then listed as refused, and the others keep it).
bool AttachmentSync::SendRemoval(const std::string& key) {
    const pg::QueryResult answer =
        link_.call("SELECT terrovane.delete_attachment($1, $2)", {link_.layout, key}, {});
    if (!answer.Ok() && !RefusedThing(answer)) {
        link_.failed(answer);
        return false;
    }
    return link_.local([&](archive::Database& db) {
        if (!answer.Ok()) {
            Exec(db, "INSERT OR REPLACE INTO sync_rejected VALUES (?1, ?2, 'deleted', NULL, ?3, ?4)",
                 {std::string(kAttachmentBase), key, answer.sqlState, answer.message});
            ++report_.rejected;
            return;
        }
        Exec(db, "DELETE FROM sync_fields WHERE kind = ?1 AND uuid = ?2",
             {std::string(kAttachmentBase), key});
        bases_.erase(key);
        ++report_.pushed;
    });
}

// Removed on another PC: what this archive had from the server goes. One never sent from here, or changed
// here since (sent by now, which kept it on the server), is not among them.
bool AttachmentSync::TakeRemovals() {
    const pg::QueryResult answer =
        link_.call("SELECT key FROM terrovane.deleted_attachments($1)", {link_.layout}, {});
    if (!answer.Ok()) {
        return link_.failed(answer);
    }
    std::vector<const AttachmentState*> gone;
    for (const auto& row : answer.rows) {
        const std::string key = row[0].value_or("");
        if (const auto local = here_.find(key); local != here_.end() && bases_.contains(key)) {
            gone.push_back(&local->second);
        }
    }
    if (gone.empty()) {
        return true;
    }
    return link_.local([&](archive::Database& db) {
        for (const AttachmentState* a : gone) {
            const std::optional<std::string> owner = LocalOwnerId(db, *a);
            if (const std::optional<std::string> id =
                    owner ? LocalAttachmentId(db, *a, *owner) : std::nullopt) {
                Exec(db, "DELETE FROM attachments WHERE id = ?1", {*id});
            }
            Exec(db, "DELETE FROM sync_fields WHERE kind = ?1 AND uuid = ?2",
                 {std::string(kAttachmentBase), a->key});
            bases_.erase(a->key);
            ++report_.pulled;
        }
    });
}

bool AttachmentSync::Send(const AttachmentState& a, bool fileMissing) {
    pg::QueryResult refusal;
    Sent sent = Sent::Done;
    if (fileMissing) {
        sent = UploadFile(link_, kAttachmentBytes, a.digest, a.size, refusal);
    }
    // The thumbnail goes as the sender made it: a reader without the image libraries still shows it.
    std::optional<std::string> thumbnail;
    if (sent == Sent::Done && !link_.local([&](archive::Database& db) {
            thumbnail = Single(db,
                               "SELECT hex(thumbnail) FROM attachment_files WHERE digest = ?1 AND "
                               "length(thumbnail) <= 262144",
                               {a.digest});
        })) {
        return false;
    }
    if (sent == Sent::Done) {
        const pg::QueryResult answer = link_.call(
            "SELECT terrovane.put_attachment($1, $2, $3, $4, $5, $6, $7, $8::boolean, $9::jsonb, "
            "decode($10, 'hex'))",
            {link_.layout, a.ownerKind, a.ownerRef, a.digest, a.fileKind, a.name, a.caption,
             a.chosen ? "true" : "false", a.meta,
             thumbnail && !thumbnail->empty() ? thumbnail : std::nullopt},
            {});
        if (!answer.Ok() && !RefusedThing(answer)) {
            link_.failed(answer);
            return false;
        }
        if (!answer.Ok()) {
            refusal = answer;
            sent = Sent::Refused;
        }
    }
    if (sent == Sent::Stop) {
        return false;
    }
    return link_.local([&](archive::Database& db) {
        if (sent == Sent::Refused) {
            ListRefusal(db, kAttachmentBase, a.key, refusal);
            ++report_.rejected;
            return;
        }
        SetBase(db, a);
        bases_[a.key] = a.State();
        ++report_.pushed;
    });
}

bool AttachmentSync::ReadServer(std::vector<AttachmentState>& server) {
    const pg::QueryResult answer = link_.call(
        "SELECT key, owner_kind, owner_ref, digest, file_kind, size::text, name, caption, "
        "CASE WHEN chosen THEN '1' ELSE '0' END, meta::text FROM terrovane.attachments($1)",
        {link_.layout}, {});
    if (!answer.Ok()) {
        return link_.failed(answer);
    }
    for (const auto& row : answer.rows) {
        AttachmentState s{"",
                          row[1].value_or(""),
                          row[2].value_or(""),
                          row[3].value_or(""),
                          row[4].value_or(""),
                          WholeNumber(row[5], 0),
                          row[6].value_or(""),
                          row[7].value_or(""),
                          row[8] == "1",
                          row[9].value_or("{}")};
        s.key = KeyOf(s);
        if (s.key == row[0].value_or("")) {
            server.push_back(std::move(s));
        }
    }
    return true;
}

bool AttachmentSync::Take(const AttachmentState& s) {
    const auto local = here_.find(s.key);
    const auto base = bases_.find(s.key);
    if (local == here_.end()) {
        // Known here before and gone: removed on this PC, not brought back.
        return base != bases_.end() || Insert(s);
    }
    const bool changedHere = base != bases_.end() && base->second != local->second.State();
    if (changedHere || local->second.State() == s.State()) {
        return link_.local([&](archive::Database& db) {
            if (!changedHere) {
                SetBase(db, s);
            }
        });
    }
    return link_.local([&](archive::Database& db) {
        const std::optional<std::string> owner = LocalOwnerId(db, s);
        const std::optional<std::string> id = owner ? LocalAttachmentId(db, s, *owner) : std::nullopt;
        if (!id) {
            return;
        }
        Exec(db, "UPDATE attachments SET name = ?1, caption = ?2 WHERE id = ?3", {s.name, s.caption, *id});
        SetChosen(db, *id, s.chosen && s.fileKind != "pdf");
        SetBase(db, s);
        ++report_.pulled;
    });
}

bool AttachmentSync::Insert(const AttachmentState& s) {
    bool ownerHere = false;
    bool fileHere = false;
    if (!link_.local([&](archive::Database& db) {
            ownerHere = LocalOwnerId(db, s).has_value();
            fileHere = Single(db, "SELECT 1 FROM attachment_files WHERE digest = ?1", {s.digest}).has_value();
        })) {
        return false;
    }
    if (!ownerHere) {
        return true;  // what it attaches to comes with a later page of the log; the next sync takes it
    }
    std::optional<std::string> bytes;
    std::string thumbnail;
    if (!fileHere) {
        bytes = DownloadFile(link_, s.digest, s.size, report_);
        if (!bytes) {
            return false;
        }
        const pg::QueryResult thumb =
            link_.call("SELECT encode(thumbnail, 'hex') FROM terrovane.attachment_thumbnail($1, $2)",
                       {link_.layout, s.key}, {});
        if (!thumb.Ok()) {
            return link_.failed(thumb);
        }
        thumbnail = BytesOfHex(thumb.Scalar()).value_or("");
    }
    return link_.local([&](archive::Database& db) {
        const std::optional<std::string> owner = LocalOwnerId(db, s);
        if (!owner) {
            return;
        }
        if (bytes) {
            Exec(
                db,
                "WITH m(j) AS (SELECT CASE WHEN json_valid(?4) THEN ?4 ELSE '{}' END) "
                "INSERT OR IGNORE INTO attachment_files (digest, kind, size, width, height, taken, latitude, "
                "longitude, thumbnail) SELECT ?1, ?2, ?3, CAST(json_extract(j, '$.width') AS INTEGER), "
                "CAST(json_extract(j, '$.height') AS INTEGER), CAST(json_extract(j, '$.taken') AS TEXT), "
                "CAST(json_extract(j, '$.latitude') AS REAL), CAST(json_extract(j, '$.longitude') AS REAL), "
                "?5 "
                "FROM m",
                {s.digest, s.fileKind, s.size, s.meta,
                 thumbnail.empty()
                     ? SqlValue()
                     : SqlValue(std::vector<std::uint8_t>(thumbnail.begin(), thumbnail.end()))});
            Exec(
                db,
                "INSERT OR IGNORE INTO attachment_bytes (file_id, bytes) SELECT id, ?2 FROM attachment_files "
                "WHERE digest = ?1",
                {s.digest, std::vector<std::uint8_t>(bytes->begin(), bytes->end())});
        }
        const std::string column = OwnerColumn(s.ownerKind);
        Exec(db,
             "INSERT INTO attachments (file_id, " + column +
                 ", name, caption, added_at) SELECT id, ?2, ?3, ?4, strftime('%Y-%m-%dT%H:%M:%SZ', 'now') "
                 "FROM "
                 "attachment_files WHERE digest = ?1",
             {s.digest, *owner, s.name, s.caption});
        if (const std::optional<std::string> id = LocalAttachmentId(db, s, *owner); id && s.chosen) {
            SetChosen(db, *id, s.fileKind != "pdf");
        }
        SetBase(db, s);
        ++report_.pulled;
    });
}

bool AttachmentSync::Run() {
    if (!ReadHere() || !Push() || !TakeRemovals()) {
        return false;
    }
    std::vector<AttachmentState> server;
    if (!ReadServer(server)) {
        return false;
    }
    for (const AttachmentState& s : server) {
        if (link_.cancelled() || !Take(s)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool SyncAttachments(const FileLink& link, SyncReport& report) {
    AttachmentSync sync(link, report);
    return sync.Run();
}

}  // namespace terrovane::sync

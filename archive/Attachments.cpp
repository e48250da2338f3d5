// Photos and documents attached to sites, points and results, each file kept once by its digest.
#include "Attachments.h"

#include <sqlite3.h>

#include <span>

#include "ContentKey.h"
#include "Problems.h"
#include "Transaction.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

constexpr std::size_t kMostCaptionCharacters = 500;

std::size_t CaptionCharacters(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The column that names the owner and the value it holds there; a typed result is found by the uuid its
// versions share.
const char* OwnerColumn(AttachedTo kind) {
    switch (kind) {
        case AttachedTo::Site:
            return "site_id";
        case AttachedTo::Point:
            return "point_id";
        case AttachedTo::Result:
            return "result_id";
        case AttachedTo::TypedResult:
            return "typed_result";
    }
    return "site_id";
}

const char* OwnerTable(AttachedTo kind) {
    switch (kind) {
        case AttachedTo::Site:
            return "sites";
        case AttachedTo::Point:
            return "points";
        case AttachedTo::Result:
            return "results";
        case AttachedTo::TypedResult:
            return "typed_results";
    }
    return "sites";
}

const char* MissingOwner(AttachedTo kind) {
    switch (kind) {
        case AttachedTo::Site:
            return kNoSite;
        case AttachedTo::Point:
            return kNoPoint;
        case AttachedTo::Result:
            return kNoResult;
        case AttachedTo::TypedResult:
            return kNoTypedResult;
    }
    return kNoSite;
}

// What the owner's column holds: its id, or the uuid of a typed result's first version.
struct OwnerKey {
    std::int64_t id = 0;
    std::string uuid;
    void BindTo(Statement& statement, int index) const {
        uuid.empty() ? statement.Bind(index, id) : statement.Bind(index, std::string_view(uuid));
    }
};

Result<OwnerKey> FindOwner(Database& db, const AttachmentOwner& owner) {
    const bool typed = owner.kind == AttachedTo::TypedResult;
    Statement query;
    int rc = query.Prepare(db, std::string("SELECT ") + (typed ? "first_version" : "id") + " FROM " +
                                   OwnerTable(owner.kind) + " WHERE id = ?");
    if (rc == SQLITE_OK) {
        query.Bind(1, owner.id);
        rc = query.Step();
    }
    if (rc == SQLITE_ROW) {
        return typed ? OwnerKey{0, query.Text(0)} : OwnerKey{owner.id, {}};
    }
    if (rc == SQLITE_DONE) {
        return Missing(MissingOwner(owner.kind), {std::to_string(owner.id)});
    }
    return LastFailure(db, rc);
}

// The file's id, stored now unless the archive holds it already.
Result<std::int64_t> StoreFile(Database& db, const AttachmentFile& file) {
    const std::string digest = HexText(Sha256(BytesOf(file.bytes)));
    Statement find;
    int rc = find.Prepare(db, "SELECT id FROM attachment_files WHERE digest = ?");
    if (rc == SQLITE_OK) {
        find.Bind(1, std::string_view(digest));
        rc = find.Step();
    }
    if (rc == SQLITE_ROW) {
        return find.Int(0);
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    Statement insert;
    rc = insert.Prepare(db,
                        "INSERT INTO attachment_files (digest, kind, size, width, height, taken, latitude, "
                        "longitude, thumbnail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, std::string_view(digest));
    insert.Bind(2, std::string_view(AttachmentKindWord(file.kind)));
    insert.Bind(3, static_cast<std::int64_t>(file.bytes.size()));
    file.width > 0 ? insert.Bind(4, std::int64_t{file.width}) : insert.BindNull(4);
    file.height > 0 ? insert.Bind(5, std::int64_t{file.height}) : insert.BindNull(5);
    file.taken.empty() ? insert.BindNull(6) : insert.Bind(6, std::string_view(file.taken));
    file.position ? insert.Bind(7, file.position->latitude) : insert.BindNull(7);
    file.position ? insert.Bind(8, file.position->longitude) : insert.BindNull(8);
    file.thumbnail.empty() ? insert.BindNull(9) : insert.BindBlob(9, BytesOf(file.thumbnail));
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    const std::int64_t id = db.LastInsertId();
    Statement bytes;
    if ((rc = bytes.Prepare(db, "INSERT INTO attachment_bytes VALUES (?, ?)")) == SQLITE_OK) {
        bytes.Bind(1, id);
        bytes.BindBlob(2, BytesOf(file.bytes));
        rc = bytes.Step();
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return id;
}

Result<std::int64_t> Link(Database& db, std::int64_t file, const AttachmentOwner& owner, const OwnerKey& key,
                          const NewAttachment& attachment) {
    const std::string column = OwnerColumn(owner.kind);
    Statement held;
    int rc = held.Prepare(db, "SELECT id FROM attachments WHERE file_id = ? AND " + column + " = ?");
    if (rc == SQLITE_OK) {
        held.Bind(1, file);
        key.BindTo(held, 2);
        rc = held.Step();
    }
    if (rc == SQLITE_ROW) {
        return held.Int(0);
    }
    Statement insert;
    if (rc == SQLITE_DONE) {
        rc = insert.Prepare(db, "INSERT INTO attachments (file_id, " + column +
                                    ", name, caption, added_at) VALUES (?, ?, ?, ?, ?)");
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, file);
    key.BindTo(insert, 2);
    insert.Bind(3, std::string_view(ValidUtf8(attachment.name)));
    insert.Bind(4, std::string_view(ValidUtf8(attachment.caption)));
    insert.Bind(5, std::string_view(NowIso8601()));
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return db.LastInsertId();
}

constexpr const char* kRowColumns =
    "SELECT a.id, a.site_id, a.point_id, a.result_id, a.typed_result, a.name, a.caption, a.added_at, f.kind, "
    "f.digest, f.size, f.width, f.height, f.taken, f.latitude, f.longitude FROM attachments a JOIN "
    "attachment_files f ON f.id = a.file_id";

AttachmentRow RowAt(const Statement& row, const AttachmentOwner& owner) {
    AttachmentRow out;
    out.id = row.Int(0);
    out.owner = owner;
    for (int column = 1; column <= 3 && owner.id == 0; ++column) {
        if (!row.IsNull(column)) {
            out.owner = {static_cast<AttachedTo>(column - 1), row.Int(column)};
        }
    }
    out.name = row.Text(5);
    out.caption = row.Text(6);
    out.addedAt = row.Text(7);
    out.kind = ParseAttachmentKind(row.Text(8)).value_or(AttachmentKind::Pdf);
    out.digest = row.Text(9);
    out.size = row.Int(10);
    out.width = static_cast<int>(row.Int(11));
    out.height = static_cast<int>(row.Int(12));
    out.taken = row.Text(13);
    if (!row.IsNull(14) && !row.IsNull(15)) {
        out.position = Position{row.Real(14), row.Real(15)};
    }
    return out;
}

// The attachments the statement selects.
Result<std::vector<AttachmentRow>> RowsOf(Database& db, Statement& query, const AttachmentOwner& owner) {
    std::vector<AttachmentRow> rows;
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        rows.push_back(RowAt(query, owner));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return rows;
}

// A typed result's attachment names the version it was given; the id of its chain's newest version.
Status NameTypedOwner(Database& db, const std::string& uuid, AttachmentRow& row) {
    Statement query;
    int rc = query.Prepare(db, "SELECT max(id) FROM typed_results WHERE first_version = ?");
    if (rc == SQLITE_OK) {
        query.Bind(1, std::string_view(uuid));
        rc = query.Step();
    }
    if (rc != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    row.owner = {AttachedTo::TypedResult, query.Int(0)};
    return Done{};
}

// Runs `statement` (its one parameter the attachment's id), refusing an id that names nothing.
Status ChangeAttachment(Archive& archive, std::int64_t id, const char* sql, const std::string* text) {
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement change;
        int rc = change.Prepare(db, sql);
        if (rc == SQLITE_OK) {
            int index = 1;
            if (text != nullptr) {
                change.Bind(index++, std::string_view(*text));
            }
            change.Bind(index, id);
            rc = change.Step();
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        if (sqlite3_changes(db.Handle()) == 0) {
            return Missing(kNoAttachment, {std::to_string(id)});
        }
        return Done{};
    });
}

}  // namespace

const char* AttachmentKindWord(AttachmentKind kind) {
    return kind == AttachmentKind::Jpeg ? "jpeg" : kind == AttachmentKind::Png ? "png" : "pdf";
}

std::optional<AttachmentKind> ParseAttachmentKind(const std::string& word) {
    for (AttachmentKind kind : {AttachmentKind::Jpeg, AttachmentKind::Png, AttachmentKind::Pdf}) {
        if (word == AttachmentKindWord(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

Result<std::int64_t> Attach(Archive& archive, const NewAttachment& attachment) {
    if (CaptionCharacters(attachment.caption) > kMostCaptionCharacters) {
        return Refused(kCaptionTooLong, {std::to_string(kMostCaptionCharacters)});
    }
    std::int64_t id = 0;
    const Status stored = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        const Result<OwnerKey> key = FindOwner(db, attachment.owner);
        if (!key) {
            return key.Error();
        }
        const Result<std::int64_t> file = StoreFile(db, attachment.file);
        if (!file) {
            return file.Error();
        }
        const Result<std::int64_t> linked = Link(db, file.Value(), attachment.owner, key.Value(), attachment);
        if (!linked) {
            return linked.Error();
        }
        id = linked.Value();
        return Done{};
    });
    if (!stored) {
        return stored.Error();
    }
    return id;
}

Result<std::vector<AttachmentRow>> Attachments(Archive& archive, const AttachmentOwner& owner) {
    std::vector<AttachmentRow> rows;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        const Result<OwnerKey> key = FindOwner(db, owner);
        if (!key) {
            return key.Error();
        }
        Statement query;
        const int rc = query.Prepare(
            db, std::string(kRowColumns) + " WHERE a." + OwnerColumn(owner.kind) + " = ? ORDER BY a.id");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        key.Value().BindTo(query, 1);
        Result<std::vector<AttachmentRow>> found = RowsOf(db, query, owner);
        if (!found) {
            return found.Error();
        }
        rows = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return rows;
}

Result<AttachmentRow> AttachmentById(Archive& archive, std::int64_t id) {
    std::optional<AttachmentRow> row;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc = query.Prepare(db, std::string(kRowColumns) + " WHERE a.id = ?");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, id);
        Result<std::vector<AttachmentRow>> found = RowsOf(db, query, {});
        if (!found) {
            return found.Error();
        }
        if (found.Value().empty()) {
            return Missing(kNoAttachment, {std::to_string(id)});
        }
        row = std::move(found.Value().front());
        if (row->owner.id == 0) {
            Statement uuid;
            if (const int prepared = uuid.Prepare(db, "SELECT typed_result FROM attachments WHERE id = ?");
                prepared != SQLITE_OK) {
                return LastFailure(db, prepared);
            }
            uuid.Bind(1, id);
            if (const int stepped = uuid.Step(); stepped != SQLITE_ROW) {
                return LastFailure(db, stepped);
            }
            return NameTypedOwner(db, uuid.Text(0), *row);
        }
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return std::move(*row);
}

Result<std::string> AttachmentBytes(Archive& archive, std::int64_t id) {
    std::string bytes;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        int rc = query.Prepare(db,
                               "SELECT b.bytes FROM attachments a JOIN attachment_bytes b ON b.file_id = "
                               "a.file_id WHERE a.id = ?");
        if (rc == SQLITE_OK) {
            query.Bind(1, id);
            rc = query.Step();
        }
        if (rc == SQLITE_DONE) {
            return Missing(kNoAttachment, {std::to_string(id)});
        }
        if (rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        const std::vector<std::uint8_t> blob = query.Blob(0);
        bytes.assign(blob.begin(), blob.end());
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return bytes;
}

Result<std::vector<std::pair<std::int64_t, std::string>>> AttachmentThumbnails(Archive& archive,
                                                                               const AttachmentOwner& owner) {
    std::vector<std::pair<std::int64_t, std::string>> thumbnails;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        const Result<OwnerKey> key = FindOwner(db, owner);
        if (!key) {
            return key.Error();
        }
        Statement query;
        int rc = query.Prepare(db, std::string("SELECT a.id, f.thumbnail FROM attachments a JOIN "
                                               "attachment_files f ON f.id = a.file_id WHERE a.") +
                                       OwnerColumn(owner.kind) + " = ? ORDER BY a.id");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        key.Value().BindTo(query, 1);
        while ((rc = query.Step()) == SQLITE_ROW) {
            const std::vector<std::uint8_t> blob = query.Blob(1);
            thumbnails.emplace_back(query.Int(0), std::string(blob.begin(), blob.end()));
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
    });
    if (!read) {
        return read.Error();
    }
    return thumbnails;
}

Status SetAttachmentCaption(Archive& archive, std::int64_t id, const std::string& caption) {
    if (CaptionCharacters(caption) > kMostCaptionCharacters) {
        return Refused(kCaptionTooLong, {std::to_string(kMostCaptionCharacters)});
    }
    const std::string text = ValidUtf8(caption);
    return ChangeAttachment(archive, id, "UPDATE attachments SET caption = trim(?) WHERE id = ?", &text);
}

Status Detach(Archive& archive, std::int64_t id) {
    return ChangeAttachment(archive, id, "DELETE FROM attachments WHERE id = ?", nullptr);
}

}  // namespace terrovane::archive

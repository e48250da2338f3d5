// A deletion of a site or a test point undone: every row it removed put back and every row it detached
// attached again, in one unit of work.
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <set>

#include "DeletionSnapshot.h"
#include "DeletionTables.h"
#include "Problems.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

// A constraint that fails (a unique id or name taken, a row referred to gone) is a change made since.
Failure StepFailure(Database& db, int rc) {
    if ((rc & 0xff) == SQLITE_CONSTRAINT) {
        return Refused(kChangedSinceDeletion, {db.Error()});
    }
    return LastFailure(db, rc);
}

std::optional<std::string> TextIn(const SavedRows& rows, const std::vector<SavedValue>& row,
                                  const std::string& column) {
    const auto at = std::find(rows.columns.begin(), rows.columns.end(), column);
    if (at == rows.columns.end()) {
        return std::nullopt;
    }
    const auto* text = std::get_if<std::string>(&row[static_cast<std::size_t>(at - rows.columns.begin())]);
    return text != nullptr ? std::optional(*text) : std::nullopt;
}

std::optional<std::int64_t> IdIn(const SavedRows& rows, const std::vector<SavedValue>& row,
                                 const std::string& column) {
    const auto at = std::find(rows.columns.begin(), rows.columns.end(), column);
    if (at == rows.columns.end()) {
        return std::nullopt;
    }
    const auto* id = std::get_if<std::int64_t>(&row[static_cast<std::size_t>(at - rows.columns.begin())]);
    return id != nullptr ? std::optional(*id) : std::nullopt;
}

class Restore {
  public:
    Restore(Database& db, const DeletionSnapshot& snapshot, std::vector<TableLink> links)
        : db_(db), snapshot_(snapshot), links_(std::move(links)) {}

    Result<std::int64_t> Run() {
        if (Status free = CheckNamesFree(); !free) {
            return free.Error();
        }
        if (Status files = PutFilesBack(); !files) {
            return files.Error();
        }
        for (const SavedRows& rows : snapshot_.removed) {
            if (Status put = PutBack(rows); !put) {
                return put.Error();
            }
        }
        for (const DetachedRow& row : snapshot_.detached) {
            if (Status linked = Relink(row); !linked) {
                return linked.Error();
            }
        }
        return Moved(snapshot_.of == DeletionSnapshot::Of::Site ? "sites" : "points", snapshot_.id);
    }

  private:
    // The names the rows come back with must still be free, and a point's site still there.
    Status CheckNamesFree() {
        const SavedRows& root = snapshot_.removed.front();
        for (const std::vector<SavedValue>& row : root.rows) {
            const std::string name = TextIn(root, row, "name").value_or("");
            if (snapshot_.of == DeletionSnapshot::Of::Site) {
                if (Exists("SELECT 1 FROM sites WHERE name = ?1", name)) {
                    return Refused(kSiteNameTaken, {name});
                }
                continue;
            }
            const std::int64_t site = IdIn(root, row, "site_id").value_or(0);
            if (!Exists("SELECT 1 FROM sites WHERE id = ?2", name, site)) {
                return Missing(kNoSite, {std::to_string(site)});
            }
            if (Exists("SELECT 1 FROM points WHERE name = ?1 AND site_id = ?2", name, site)) {
                return Refused(kPointNameTaken, {name});
            }
        }
        return Done{};
    }

    bool Exists(const std::string& sql, const std::string& text, std::int64_t id = 0) {
        Statement query;
        if (query.Prepare(db_, sql) != SQLITE_OK) {
            return false;
        }
        query.Bind(1, std::string_view(text));
        query.Bind(2, id);
        return query.Step() == SQLITE_ROW;
    }

    // A file is found again by its digest (attached anew since, it may have another id); one that is gone
    // comes back from the bytes kept, and one gone that was not the deletion's to drop cannot.
    Status PutFilesBack() {
        for (const std::vector<SavedValue>& row : snapshot_.files.rows) {
            const std::int64_t id = IdIn(snapshot_.files, row, "id").value_or(0);
            const std::string digest = TextIn(snapshot_.files, row, "digest").value_or("");
            if (const std::optional<std::int64_t> held = FileWithDigest(digest)) {
                moved_["attachment_files"][id] = *held;
                continue;
            }
            const auto bytes = std::find_if(snapshot_.fileBytes.rows.begin(), snapshot_.fileBytes.rows.end(),
                                            [&](const std::vector<SavedValue>& kept) {
                                                return IdIn(snapshot_.fileBytes, kept, "file_id") == id;
                                            });
            if (bytes == snapshot_.fileBytes.rows.end()) {
                return Refused(kAttachedFileGone, {AttachmentNameOf(id)});
            }
            if (Status put = Insert(snapshot_.files, row); !put) {
                return put;
            }
            if (Status put = Insert(snapshot_.fileBytes, *bytes); !put) {
                return put;
            }
        }
        return Done{};
    }

    std::optional<std::int64_t> FileWithDigest(const std::string& digest) {
        Statement query;
        if (query.Prepare(db_, "SELECT id FROM attachment_files WHERE digest = ?1") != SQLITE_OK) {
            return std::nullopt;
        }
        query.Bind(1, std::string_view(digest));
        return query.Step() == SQLITE_ROW ? std::optional(query.Int(0)) : std::nullopt;
    }

    std::string AttachmentNameOf(std::int64_t file) const {
        for (const SavedRows& rows : snapshot_.removed) {
            if (rows.table != "attachments") {
                continue;
            }
            for (const std::vector<SavedValue>& row : rows.rows) {
                if (IdIn(rows, row, "file_id") == file) {
                    return TextIn(rows, row, "name").value_or("");
                }
            }
        }
        return {};
    }

    Status PutBack(const SavedRows& rows) {
        for (const std::vector<SavedValue>& row : rows.rows) {
            if (Status put = Insert(rows, row); !put) {
                return put;
            }
        }
        return Done{};
    }

    // The row as it was, its references following rows put back under other ids; its own id kept where
    // it is free. What the team shares comes back as a new change (the tables' triggers stamp and list it)
    // and its tombstone goes, but for a stored analysis, which takes a new sync id.
    Status Insert(const SavedRows& rows, std::vector<SavedValue> row) {
        const std::string alias = RowIdColumn(rows.table);
        std::optional<std::int64_t> former;
        std::string columns;
        std::string places;
        for (std::size_t i = 0; i < rows.columns.size(); ++i) {
            const std::string& column = rows.columns[i];
            FollowMoves(rows.table, column, row[i]);
            if (column == alias && std::holds_alternative<std::int64_t>(row[i])) {
                former = std::get<std::int64_t>(row[i]);
                if (IdTaken(rows.table, *former)) {
                    row[i] = std::monostate{};
                }
            }
            if (column == "uuid" && IsAnalysisTable(rows.table)) {
                row[i] = std::monostate{};
            }
            columns += (i == 0 ? "" : ", ") + QuotedName(column);
            places += (i == 0 ? "?" : ", ?") + std::to_string(i + 1);
        }
        int rc = SQLITE_OK;
        Statement& insert = Reused(
            "INSERT INTO " + QuotedName(rows.table) + " (" + columns + ") VALUES (" + places + ")", rc);
        if (rc == SQLITE_OK) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                BindSaved(insert, static_cast<int>(i + 1), row[i]);
            }
            rc = insert.Step();
        }
        if (rc != SQLITE_DONE) {
            return StepFailure(db_, rc);
        }
        if (former) {
            moved_[rows.table][*former] = db_.LastInsertId();
        }
        const std::optional<std::string> uuid = TextIn(rows, row, "uuid");
        return uuid && !IsAnalysisTable(rows.table) ? DropTombstone(rows.table, *uuid) : Status(Done{});
    }

    Status DropTombstone(const std::string& table, const std::string& uuid) {
        int rc = SQLITE_OK;
        Statement& drop = Reused("DELETE FROM tombstones WHERE kind = ?1 AND uuid = ?2", rc);
        if (rc == SQLITE_OK) {
            drop.Bind(1, std::string_view(table));
            drop.Bind(2, std::string_view(uuid));
            rc = drop.Step();
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db_, rc));
    }

    // The column that is the table's row id (an INTEGER PRIMARY KEY), empty when it has none.
    std::string RowIdColumn(const std::string& table) {
        const auto known = rowIds_.find(table);
        if (known != rowIds_.end()) {
            return known->second;
        }
        Statement query;
        std::string column;
        if (query.Prepare(
                db_,
                "SELECT name FROM pragma_table_info(?1) WHERE pk = 1 AND upper(type) = 'INTEGER' AND "
                "(SELECT count(*) FROM pragma_table_info(?1) WHERE pk > 0) = 1") == SQLITE_OK) {
            query.Bind(1, std::string_view(table));
            if (query.Step() == SQLITE_ROW) {
                column = query.Text(0);
            }
        }
        return rowIds_[table] = column;
    }

    bool IdTaken(const std::string& table, std::int64_t id) {
        int rc = SQLITE_OK;
        Statement& query = Reused("SELECT 1 FROM " + QuotedName(table) + " WHERE rowid = ?1", rc);
        if (rc != SQLITE_OK) {
            return true;
        }
        query.Bind(1, id);
        return query.Step() == SQLITE_ROW;
    }

    void FollowMoves(const std::string& table, const std::string& column, SavedValue& value) const {
        const auto* id = std::get_if<std::int64_t>(&value);
        if (id == nullptr) {
            return;
        }
        for (const TableLink& link : links_) {
            if (link.child == table && link.from == column) {
                value = Moved(link.parent, *id);
                return;
            }
        }
    }

    std::int64_t Moved(const std::string& table, std::int64_t id) const {
        const auto found = moved_.find(table);
        if (found == moved_.end()) {
            return id;
        }
        const auto to = found->second.find(id);
        return to != found->second.end() ? to->second : id;
    }

    // A row detached by the deletion is attached again only while nothing else was made of it since: a
    // result assigned elsewhere, a typed result corrected, stays so, and the undo fails.
    Status Relink(const DetachedRow& row) {
        if (Status unchanged = CheckUnchanged(row); !unchanged) {
            return unchanged;
        }
        std::string sets;
        for (std::size_t i = 0; i < row.links.size(); ++i) {
            sets += (i == 0 ? "" : ", ") + QuotedName(row.links[i].column) + " = ?" + std::to_string(i + 1);
        }
        int rc = SQLITE_OK;
        Statement& update = Reused("UPDATE " + QuotedName(row.table) + " SET " + sets + " WHERE rowid = ?" +
                                       std::to_string(row.links.size() + 1),
                                   rc);
        if (rc == SQLITE_OK) {
            for (std::size_t i = 0; i < row.links.size(); ++i) {
                update.Bind(static_cast<int>(i + 1), Moved(row.links[i].parent, row.links[i].id));
            }
            update.Bind(static_cast<int>(row.links.size() + 1), row.rowid);
            rc = update.Step();
        }
        return rc == SQLITE_DONE ? Status(Done{}) : StepFailure(db_, rc);
    }

    Status CheckUnchanged(const DetachedRow& row) {
        std::string nulls;
        for (const SavedLink& link : row.links) {
            nulls += " AND " + QuotedName(link.column) + " IS NULL";
        }
        const bool typed = row.table == "typed_results";
        int rc = SQLITE_OK;
        Statement& query = Reused("SELECT 1 FROM " + QuotedName(row.table) + " WHERE rowid = ?1" + nulls +
                                      (typed ? " AND NOT EXISTS (SELECT 1 FROM typed_results c WHERE "
                                               "c.replaces = ?1 AND c.id NOT IN (SELECT value FROM "
                                               "json_each(?2)))"
                                             : ""),
                                  rc);
        if (rc == SQLITE_OK) {
            query.Bind(1, row.rowid);
            if (typed) {
                query.Bind(2, std::string_view(typedIds_));
            }
            rc = query.Step();
        }
        if (rc == SQLITE_ROW) {
            return Done{};
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db_, rc);
        }
        const std::string id = std::to_string(row.rowid);
        return row.table == "results" ? Refused(kResultAssignedSince, {id})
               : typed                ? Refused(kTypedChangedSince, {id})
                                      : Refused(kChangedSinceDeletion, {row.table + " " + id});
    }

    // The statement of `sql`, prepared once for the whole restore: a site's rows are many, their kinds few.
    Statement& Reused(const std::string& sql, int& rc) {
        auto found = statements_.find(sql);
        if (found == statements_.end()) {
            Statement statement;
            if ((rc = statement.Prepare(db_, sql)) != SQLITE_OK) {
                return unprepared_;
            }
            found = statements_.emplace(sql, std::move(statement)).first;
        } else {
            found->second.Reset();
        }
        return found->second;
    }

    // The rows of the table the deletion detached, as a JSON array of their ids.
    std::string DetachedIds(const std::string& table) const {
        std::string ids;
        for (const DetachedRow& row : snapshot_.detached) {
            if (row.table == table) {
                ids += (ids.empty() ? "" : ",") + std::to_string(row.rowid);
            }
        }
        return "[" + ids + "]";
    }

    Database& db_;
    const DeletionSnapshot& snapshot_;
    std::vector<TableLink> links_;
    std::map<std::string, std::map<std::int64_t, std::int64_t>> moved_;
    std::map<std::string, std::string> rowIds_;
    std::map<std::string, Statement> statements_;
    Statement unprepared_;
    const std::string typedIds_ = DetachedIds("typed_results");
};

}  // namespace

Result<std::int64_t> RestoreDeletion(Archive& archive, const DeletionSnapshot& snapshot) {
    if (snapshot.removed.empty()) {
        return Missing(snapshot.of == DeletionSnapshot::Of::Site ? kNoSite : kNoPoint,
                       {std::to_string(snapshot.id)});
    }
    std::int64_t id = 0;
    const Status restored = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Result<std::vector<TableLink>> links = TableLinks(db);
        if (!links) {
            return links.Error();
        }
        const Result<std::int64_t> root = Restore(db, snapshot, std::move(links).Value()).Run();
        if (!root) {
            return root.Error();
        }
        id = root.Value();
        return Done{};
    });
    if (!restored) {
        return restored.Error();
    }
    return id;
}

}  // namespace terrovane::archive

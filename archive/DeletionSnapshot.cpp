// What a deletion of a site or a test point takes with it, read before it is made. The foreign keys say
// what goes along (ON DELETE CASCADE) and what stays detached (SET NULL), so a table added later that
// refers to a site or a point is kept too; what the archive's triggers clear besides is named here.
#include <sqlite3.h>

#include <deque>
#include <map>
#include <set>

#include "DeletionSnapshot.h"
#include "DeletionTables.h"
#include "Problems.h"
#include "Sites.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

// A column a trigger clears when a foreign key's action clears another of the same row: a result
// unassigned leaves its visit too.
struct ClearedAlong {
    const char* table;
    const char* cleared;
    const char* along;
    const char* parent;
};
constexpr ClearedAlong kClearedAlong[] = {{"results", "point_id", "visit_id", "visits"}};

// A removed set of rows: the table and the condition that picks them, with ?1 the deleted site or point.
struct RemovedSet {
    std::string table;
    std::string where;
};

class DeletionWalk {
  public:
    DeletionWalk(Database& db, std::vector<TableLink> links, DeletionSnapshot& snapshot)
        : db_(db), links_(std::move(links)), snapshot_(snapshot) {}

    Status Walk(std::deque<RemovedSet> pending) {
        while (!pending.empty()) {
            const RemovedSet set = pending.front();
            pending.pop_front();
            if (Status read = Keep(set.table, set.where); !read) {
                return read;
            }
            wheres_[set.table].push_back(set.where);
            for (const TableLink& link : links_) {
                if (link.parent != set.table) {
                    continue;
                }
                const std::string child = QuotedName(link.from) + " IN (SELECT " + QuotedName(link.to) +
                                          " FROM " + QuotedName(set.table) + " WHERE " + set.where + ")";
                if (link.onDelete == "CASCADE") {
                    pending.push_back({link.child, child});
                } else if (link.onDelete == "SET NULL") {
                    if (Status kept = KeepLinks(link, child); !kept) {
                        return kept;
                    }
                }
            }
        }
        return Done{};
    }

    // A typed result unassigned leaves the visit it was in (the newest version decides).
    Status KeepTypedVisits() {
        const std::string points = Union("points");
        if (points.empty()) {
            return Done{};
        }
        return Keep("typed_visits",
                    "first_version IN (SELECT t.first_version FROM typed_results t WHERE t.point_id IN "
                    "(SELECT id FROM points WHERE " +
                        points + ") AND NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = t.id))");
    }

    // The files of the attachments removed; the bytes of those no other attachment holds, which the
    // archive drops with their last attachment.
    Status KeepFiles() {
        const std::string attachments = Union("attachments");
        if (attachments.empty()) {
            return Done{};
        }
        const std::string removed = "SELECT rowid FROM attachments WHERE " + attachments;
        const std::string used = "SELECT file_id FROM attachments WHERE rowid IN (" + removed + ")";
        if (Status files =
                ReadSavedRows(db_, "attachment_files", "id IN (" + used + ")", snapshot_.id, snapshot_.files);
            !files) {
            return files;
        }
        return ReadSavedRows(db_, "attachment_bytes",
                             "file_id IN (" + used +
                                 ") AND NOT EXISTS (SELECT 1 FROM attachments o WHERE o.file_id = "
                                 "attachment_bytes.file_id AND o.rowid NOT IN (" +
                                 removed + "))",
                             snapshot_.id, snapshot_.fileBytes);
    }

  private:
    // Rows reached twice (a visit's typed result at a removed point) are kept once.
    Status Keep(const std::string& table, const std::string& where) {
        SavedRows rows;
        if (Status read = ReadSavedRows(db_, table, where, snapshot_.id, rows); !read) {
            return read;
        }
        std::set<std::vector<SavedValue>>& seen = seen_[table];
        SavedRows fresh{rows.table, rows.columns, {}};
        for (std::vector<SavedValue>& row : rows.rows) {
            if (seen.insert(row).second) {
                fresh.rows.push_back(std::move(row));
            }
        }
        if (!fresh.rows.empty()) {
            snapshot_.removed.push_back(std::move(fresh));
        }
        return Done{};
    }

    Status KeepLinks(const TableLink& link, const std::string& where) {
        const ClearedAlong* along = nullptr;
        for (const ClearedAlong& each : kClearedAlong) {
            if (link.child == each.table && link.from == each.cleared) {
                along = &each;
            }
        }
        Statement query;
        int rc = query.Prepare(db_, "SELECT rowid, " + QuotedName(link.from) + ", " +
                                        (along != nullptr ? QuotedName(along->along) : "NULL") + " FROM " +
                                        QuotedName(link.child) + " WHERE " + where);
        if (rc == SQLITE_OK) {
            query.Bind(1, snapshot_.id);
        }
        while (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
            DetachedRow& row = Detached(link.child, query.Int(0));
            AddLink(row, {link.from, link.parent, query.Int(1)});
            if (along != nullptr && !query.IsNull(2)) {
                AddLink(row, {along->along, along->parent, query.Int(2)});
            }
            rc = SQLITE_OK;
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db_, rc));
    }

    DetachedRow& Detached(const std::string& table, std::int64_t rowid) {
        const auto [at, added] = detachedAt_.try_emplace({table, rowid}, snapshot_.detached.size());
        if (added) {
            snapshot_.detached.push_back({table, rowid, {}});
        }
        return snapshot_.detached[at->second];
    }

    static void AddLink(DetachedRow& row, SavedLink link) {
        for (const SavedLink& held : row.links) {
            if (held.column == link.column) {
                return;
            }
        }
        row.links.push_back(std::move(link));
    }

    std::string Union(const std::string& table) const {
        const auto found = wheres_.find(table);
        std::string sql;
        for (const std::string& where : found != wheres_.end() ? found->second : std::vector<std::string>{}) {
            sql += (sql.empty() ? "(" : " OR (") + where + ")";
        }
        return sql;
    }

    Database& db_;
    std::vector<TableLink> links_;
    DeletionSnapshot& snapshot_;
    std::map<std::string, std::vector<std::string>> wheres_;
    std::map<std::string, std::set<std::vector<SavedValue>>> seen_;
    std::map<std::pair<std::string, std::int64_t>, std::size_t> detachedAt_;
};

// A site goes with its points (which its deletion removes first) and whatever refers to either.
Status TakeSnapshot(Database& db, DeletionSnapshot& snapshot) {
    Result<std::vector<TableLink>> links = TableLinks(db);
    if (!links) {
        return links.Error();
    }
    std::deque<RemovedSet> roots;
    if (snapshot.of == DeletionSnapshot::Of::Site) {
        roots = {{"sites", "id = ?1"}, {"points", "site_id = ?1"}};
    } else {
        roots = {{"points", "id = ?1"}};
    }
    DeletionWalk walk(db, std::move(links).Value(), snapshot);
    if (Status walked = walk.Walk(roots); !walked) {
        return walked;
    }
    if (snapshot.removed.empty() || snapshot.removed.front().table != roots.front().table) {
        return Missing(snapshot.of == DeletionSnapshot::Of::Site ? kNoSite : kNoPoint,
                       {std::to_string(snapshot.id)});
    }
    if (Status visits = walk.KeepTypedVisits(); !visits) {
        return visits;
    }
    return walk.KeepFiles();
}

Result<DeletionSnapshot> Snapshot(Archive& archive, DeletionSnapshot::Of of, std::int64_t id) {
    DeletionSnapshot snapshot;
    snapshot.of = of;
    snapshot.id = id;
    const Status read =
        archive.Run(Archive::Access::Read, [&](Database& db) { return TakeSnapshot(db, snapshot); });
    if (!read) {
        return read.Error();
    }
    return snapshot;
}

Result<DeletionSnapshot> DeleteKeeping(Archive& archive, DeletionSnapshot::Of of, std::int64_t id) {
    DeletionSnapshot snapshot;
    const Status deleted = archive.Run(Archive::Access::Write, [&](Database&) -> Status {
        Result<DeletionSnapshot> taken = Snapshot(archive, of, id);
        if (!taken) {
            return taken.Error();
        }
        snapshot = std::move(taken).Value();
        std::string error;
        const bool done = of == DeletionSnapshot::Of::Site ? DeleteSite(archive, id, error)
                                                           : DeletePoint(archive, id, error);
        if (!done) {
            // The snapshot has just found the site or point in this same unit of work, so this is no missing
            // item but the library's own failure.
            Failure failure;
            failure.code = ErrorCode::Failed;
            failure.arguments = {error};
            failure.sqliteMessage = error;
            return failure;
        }
        return Done{};
    });
    if (!deleted) {
        return deleted.Error();
    }
    return snapshot;
}

}  // namespace

Result<DeletionSnapshot> SnapshotSiteDeletion(Archive& archive, std::int64_t site) {
    return Snapshot(archive, DeletionSnapshot::Of::Site, site);
}

Result<DeletionSnapshot> SnapshotPointDeletion(Archive& archive, std::int64_t point) {
    return Snapshot(archive, DeletionSnapshot::Of::Point, point);
}

Result<DeletionSnapshot> DeleteSiteKeepingSnapshot(Archive& archive, std::int64_t site) {
    return DeleteKeeping(archive, DeletionSnapshot::Of::Site, site);
}

Result<DeletionSnapshot> DeletePointKeepingSnapshot(Archive& archive, std::int64_t point) {
    return DeleteKeeping(archive, DeletionSnapshot::Of::Point, point);
}

}  // namespace terrovane::archive

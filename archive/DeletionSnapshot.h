#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "Archive.h"
#include "Result.h"

namespace terrovane::archive {

// One value of a row as SQLite holds it: NULL, an integer, a real, a text or a blob.
using SavedValue = std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

// Rows of one table as they were, every column.
struct SavedRows {
    std::string table;
    std::vector<std::string> columns;
    std::vector<std::vector<SavedValue>> rows;
};

// A column a deletion cleared in a row it kept (a result's test point, its visit) and the id it held.
struct SavedLink {
    std::string column;
    std::string parent;  // the table the id is of
    std::int64_t id = 0;
};

// A row the deletion keeps but detaches from what it removes.
struct DetachedRow {
    std::string table;
    std::int64_t rowid = 0;
    std::vector<SavedLink> links;
};

// Everything a deletion of a site or a test point removes or detaches, taken before it is made, so that
// it can be put back as it was: the site or point with whatever goes with it (points, visits, stored
// analyses, traverses and soundings typed, attachments and report photo choices), the results and typed
// results it leaves unassigned, and the attached files the archive would drop with their last attachment.
struct DeletionSnapshot {
    enum class Of { Site, Point };
    Of of = Of::Site;
    std::int64_t id = 0;
    std::vector<SavedRows> removed;  // put back in this order: a row after the rows it refers to
    std::vector<DetachedRow> detached;
    SavedRows files;      // the attached files' descriptions, found again by their digest
    SavedRows fileBytes;  // the bytes of those no other attachment holds
};

// What the deletion of the site or point would remove, in one read.
Result<DeletionSnapshot> SnapshotSiteDeletion(Archive& archive, std::int64_t site);
Result<DeletionSnapshot> SnapshotPointDeletion(Archive& archive, std::int64_t point);

// Deletes the site (as DeleteSite) or the point (as DeletePoint) and gives what it removed, in one unit
// of work.
Result<DeletionSnapshot> DeleteSiteKeepingSnapshot(Archive& archive, std::int64_t site);
Result<DeletionSnapshot> DeletePointKeepingSnapshot(Archive& archive, std::int64_t point);

// Puts back what the deletion removed, in one unit of work: all of it or, when the archive has changed
// since in a way that conflicts with it (a name taken, a result assigned again, a file gone), nothing.
// Rows get their former ids where those are free. With the team, the rows put back are new changes: the
// site, points, visits and typed series keep their sync ids (a later "not deleted" wins over the
// deletion), while stored analyses, whose deletion the team never takes back, come back under new ones.
// The id of the site or point as it is now.
Result<std::int64_t> RestoreDeletion(Archive& archive, const DeletionSnapshot& snapshot);

}  // namespace terrovane::archive

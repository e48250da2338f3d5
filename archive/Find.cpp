#include "Find.h"

#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "Transaction.h"

namespace terrovane::archive {
namespace {

// The rows of one kind among the entries found.
#define TV_FIND_HITS(kind) "SELECT k >> 3 FROM find_hit WHERE (k & 7) = " #kind

// Results found through an entry of their own: their note, a read-out's note, an attachment's caption.
constexpr const char* kResultsFoundItself =
    TV_FIND_HITS(4) " UNION SELECT s.result_id FROM readout_slots s WHERE s.readout_id IN (" TV_FIND_HITS(
        5) ") UNION SELECT a.result_id FROM attachments a WHERE a.result_id IS NOT NULL AND a.id IN (" TV_FIND_HITS(7) ")";

// Sites found by their own text or an attachment's caption.
constexpr const char* kSitesFound =
    TV_FIND_HITS(
        1) " UNION SELECT a.site_id FROM attachments a WHERE a.site_id IS NOT NULL AND a.id IN "
           "(" TV_FIND_HITS(7) ")";

// Points found by their own text or an attachment's caption (not yet those of the sites found).
constexpr const char* kPointsFoundItself =
    TV_FIND_HITS(2) " UNION SELECT a.point_id FROM attachments a WHERE a.point_id IS NOT NULL AND a.id IN (" TV_FIND_HITS(7) ")";

// Points holding something found: a result, a labelled result, a typed result or its attachment.
constexpr const char* kPointsHolding =
    "SELECT r.point_id FROM results r WHERE r.point_id IS NOT NULL AND r.id IN (SELECT * FROM found_results) "
    "UNION SELECT r.point_id FROM results r WHERE r.point_id IS NOT NULL AND r.label_id IN (" TV_FIND_HITS(3) ") "
    "UNION SELECT t.point_id FROM typed_results t WHERE t.point_id IS NOT NULL AND t.id IN (" TV_FIND_HITS(6) ") "
    "UNION SELECT t.point_id FROM attachments a JOIN typed_results t ON t.first_version = a.typed_result "
    "WHERE t.point_id IS NOT NULL AND a.id IN (" TV_FIND_HITS(7) ")";

// Each entry's place and date, by kind; ?1 is its row.
constexpr const char* kPlaceOf[] = {
    "",
    "SELECT s.name, '', '' FROM sites s WHERE s.id = ?1",
    "SELECT s.name, p.name, '' FROM points p JOIN sites s ON s.id = p.site_id WHERE p.id = ?1",
    "SELECT '', '', '' WHERE ?1 IS NOT NULL",
    "SELECT coalesce(s.name, ''), coalesce(p.name, ''), coalesce(r.measured_date, r.measured_on) "
    "FROM results r LEFT JOIN points p ON p.id = r.point_id LEFT JOIN sites s ON s.id = p.site_id "
    "WHERE r.id = ?1",
    "SELECT '', '', read_at FROM readouts WHERE id = ?1",
    "SELECT coalesce(s.name, ''), coalesce(p.name, ''), t.measured_date || ' ' || t.measured_time "
    "FROM typed_results t LEFT JOIN points p ON p.id = t.point_id LEFT JOIN sites s ON s.id = p.site_id "
    "WHERE t.id = ?1",
    "SELECT coalesce(s.name, ''), coalesce(p.name, ''), '' FROM attachments a "
    "LEFT JOIN results r ON r.id = a.result_id "
    "LEFT JOIN typed_results t ON t.id = (SELECT max(id) FROM typed_results WHERE first_version = "
    "a.typed_result) "
    "LEFT JOIN points p ON p.id = coalesce(a.point_id, r.point_id, t.point_id) "
    "LEFT JOIN sites s ON s.id = coalesce(a.site_id, p.site_id) WHERE a.id = ?1",
};

int BindAll(Statement& statement, const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        statement.Bind(static_cast<int>(i) + 1, std::string_view(values[i]));
    }
    return static_cast<int>(values.size()) + 1;
}

}  // namespace

#undef TV_FIND_HITS

const char* const kResultFoundTerm =
    "(r.id IN (SELECT * FROM found_results) OR r.label_id IN (SELECT k >> 3 FROM find_hit WHERE (k & 7) = 3) "
    "OR r.point_id IN (SELECT * FROM found_points))";

// The same with the columns kept from their indexes: the results are walked in the list's order and each
// is looked up among the sets found.
const char* const kResultFoundTermInOrder =
    "(+r.id IN (SELECT * FROM found_results) OR +r.label_id IN (SELECT k >> 3 FROM find_hit WHERE (k & 7) = "
    "3) "
    "OR +r.point_id IN (SELECT * FROM found_points))";

const char* const kTypedFoundTerm =
    "(t.id IN (SELECT k >> 3 FROM find_hit WHERE (k & 7) = 6) OR t.point_id IN (SELECT * FROM found_points) "
    "OR t.first_version IN (SELECT a.typed_result FROM attachments a WHERE a.typed_result IS NOT NULL AND "
    "a.id IN (SELECT k >> 3 FROM find_hit WHERE (k & 7) = 7)))";

Result<bool> FindsManyResults(Database& db, const std::string& text) {
    const FindSql cte = FindHitsCte(text);
    Statement probe;
    int rc = probe.Prepare(db, cte.sql + "SELECT count(*) FROM (SELECT 1 FROM results r WHERE " +
                                   kResultFoundTerm + " LIMIT " + std::to_string(kManyFound) + ")");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    BindAll(probe, cte.values);
    if ((rc = probe.Step()) != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    return probe.Int(0) >= kManyFound;
}

FindSql FindHitsCte(const std::string& text) {
    FindSql keys = FindKeysSql(ParseFind(text));
    keys.sql = "WITH find_hit(k) AS MATERIALIZED (" + keys.sql + "), found_results(id) AS MATERIALIZED (" +
               kResultsFoundItself + "), found_points(id) AS MATERIALIZED (" + kPointsFoundItself +
               " UNION SELECT p.id FROM points p WHERE p.site_id IN (" + kSitesFound + ")) ";
    return keys;
}

const char* FindKindKey(FindKind kind) {
    switch (kind) {
        case FindKind::Site:
            return "site";
        case FindKind::Point:
            return "point";
        case FindKind::Label:
            return "label";
        case FindKind::Result:
            return "result";
        case FindKind::ReadOut:
            return "readout";
        case FindKind::TypedResult:
            return "typed_result";
        case FindKind::Attachment:
            break;
    }
    return "attachment";
}

Result<FoundPlaces> FindPlaces(Archive& archive, const std::string& text) {
    FoundPlaces found;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        const FindSql cte = FindHitsCte(text);
        // The whole sites with no point, then each point found with its site.
        const std::string sql = cte.sql + "SELECT *, NULL FROM (" + kSitesFound +
                                ") UNION ALL SELECT p.site_id, p.id FROM points p WHERE p.id IN (" +
                                kPointsFoundItself + " UNION " + kPointsHolding + ")";
        Statement query;
        int rc = query.Prepare(db, sql);
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        BindAll(query, cte.values);
        while ((rc = query.Step()) == SQLITE_ROW) {
            if (query.IsNull(0)) {
                continue;
            }
            found.sites.insert(query.Int(0));
            if (query.IsNull(1)) {
                found.wholeSites.insert(query.Int(0));
            } else {
                found.points.insert(query.Int(1));
            }
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
    });
    if (!read) {
        return read.Error();
    }
    return found;
}

Result<std::vector<FoundEntry>> FindEntries(Archive& archive, const std::string& text) {
    std::vector<FoundEntry> found;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        const FindSql keys = FindKeysSql(ParseFind(text));
        Statement query;
        std::vector<Statement> places(std::size(kPlaceOf));
        int rc =
            query.Prepare(db, "SELECT w.rowid, w.body FROM find_words w WHERE w.rowid IN (" + keys.sql + ")");
        for (std::size_t kind = 1; kind < places.size() && rc == SQLITE_OK; ++kind) {
            rc = places[kind].Prepare(db, kPlaceOf[kind]);
        }
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        BindAll(query, keys.values);
        while ((rc = query.Step()) == SQLITE_ROW) {
            FoundEntry entry;
            const std::int64_t key = query.Int(0);
            entry.kind = static_cast<FindKind>(key & 7);
            entry.id = key >> kFindKindBits;
            entry.text = query.Text(1);
            Statement& place = places[static_cast<std::size_t>(entry.kind)];
            place.Reset();
            place.Bind(1, entry.id);
            if (place.Step() == SQLITE_ROW) {
                entry.site = place.Text(0);
                entry.point = place.Text(1);
                entry.date = place.Text(2);
            }
            found.push_back(std::move(entry));
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
    });
    if (!read) {
        return read.Error();
    }
    std::sort(found.begin(), found.end(), [](const FoundEntry& a, const FoundEntry& b) {
        return std::tie(a.kind, a.site, a.point, a.date, a.id) <
               std::tie(b.kind, b.site, b.point, b.date, b.id);
    });
    return found;
}

}  // namespace terrovane::archive

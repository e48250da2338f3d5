#include "Due.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <tuple>
#include <unordered_map>

#include "DateDigits.h"
#include "PointStanding.h"
#include "SiteStatements.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

// Plain arithmetic rather than a parser: the due list computes this for every one of its points.
std::string AddMonths(const std::string& date, int months) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !Digits(date, 0, 4, year) ||
        !Digits(date, 5, 2, month) || !Digits(date, 8, 2, day) || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return {};
    }
    const int index = year * 12 + (month - 1) + months;
    const int newYear = index / 12;
    const int newMonth = index % 12 + 1;
    if (index < 0 || newYear > 9999) {
        return {};
    }
    const int newDay = std::min(day, DaysInMonth(newYear, newMonth));
    std::string text = "0000-00-00";
    for (int i = 3, y = newYear; i >= 0; --i, y /= 10) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + y % 10);
    }
    text[5] = static_cast<char>('0' + newMonth / 10);
    text[6] = static_cast<char>('0' + newMonth % 10);
    text[8] = static_cast<char>('0' + newDay / 10);
    text[9] = static_cast<char>('0' + newDay % 10);
    return text;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

namespace {

struct SiteEntry {
    std::string name;
    std::optional<int> intervalMonths;
    int rank = 0;  // place in the order of names
};

// The fields the list is ordered by, small enough that sorting 40,000 of them copies no text: overdue,
// due, no interval; within each by due date, then site name, place in the site and point.
struct SortKey {
    int group = 0;
    int due = 0;  // YYYYMMDD, 0 without a due date
    int siteRank = 0;
    std::int64_t ordinal = 0;
    std::int64_t point = 0;
    std::size_t index = 0;  // into the points read

    bool operator<(const SortKey& other) const {
        return std::tie(group, due, siteRank, ordinal, point) <
               std::tie(other.group, other.due, other.siteRank, other.ordinal, other.point);
    }
};

// "2025-02-28" as 20250228; AddMonths gives only well-formed dates.
int DateNumber(const std::string& date) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (date.size() != 10 || !Digits(date, 0, 4, year) || !Digits(date, 5, 2, month) ||
        !Digits(date, 8, 2, day)) {
        return 0;
    }
    return year * 10000 + month * 100 + day;
}

// Sites by id, each with its rank by name (the index on the name gives that order).
Status ReadSites(Database& db, std::int64_t site, std::unordered_map<std::int64_t, SiteEntry>& sites) {
    Statement query;
    const std::string sql = "SELECT id, name, interval_months FROM sites" +
                            std::string(site != 0 ? " WHERE id = ?" : "") + " ORDER BY name";
    if (const int prepared = query.Prepare(db, sql); prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    if (site != 0) {
        query.Bind(1, site);
    }
    int rc = SQLITE_OK;
    int rank = 0;
    while ((rc = query.Step()) == SQLITE_ROW) {
        sites[query.Int(0)] = {query.Text(1), OptionalInt(query, 2), rank++};
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

using AttemptsByPoint = std::unordered_map<std::int64_t, std::vector<Attempt>>;

// The index on (point, measuring date, time) gives a point's results in the order Newer() decides: a result
// without a date (NULL) last, ties by id.
constexpr const char* kNewestFirst = " ORDER BY r.measured_date DESC, r.measured_time DESC, r.id DESC";

Attempt AttemptAt(const Statement& query, int idColumn) {
    Packet packet{};
    const std::vector<std::uint8_t> bytes = query.Blob(idColumn + 1);
    std::copy_n(bytes.begin(), std::min(bytes.size(), packet.size()), packet.begin());
    return AttemptOf(query.Int(idColumn), record::MeasurementRecord::FromPacket(packet));
}

// A point's results newest first, up to and with the first that measured: all its standing depends on.
Status ReadAttemptsOf(Database& db, std::int64_t point, std::vector<Attempt>& attempts) {
    Statement query;
    if (const int prepared = query.Prepare(
            db, std::string("SELECT r.id, r.packet FROM results r WHERE r.point_id = ?") + kNewestFirst);
        prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    query.Bind(1, point);
    attempts.clear();
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        attempts.push_back(AttemptAt(query, 0));
        if (attempts.back().measured) {
            return Done{};
        }
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

// Each point's newest result (of the site's points, when `site` is not 0), found in the index alone.
Status ReadNewest(Database& db, std::int64_t site,
                  std::vector<std::pair<std::int64_t, std::int64_t>>& newest) {
    Statement query;
    const std::string sql = "SELECT p.id, (SELECT r.id FROM results r WHERE r.point_id = p.id" +
                            std::string(kNewestFirst) + " LIMIT 1) FROM points p" +
                            std::string(site != 0 ? " WHERE p.site_id = ?" : "");
    if (const int prepared = query.Prepare(db, sql); prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    if (site != 0) {
        query.Bind(1, site);
    }
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        if (!query.IsNull(1)) {
            newest.emplace_back(query.Int(1), query.Int(0));  // result, point
        }
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

// The newest result of each point decides; only a point whose newest result measured nothing (a failed
// reading) has its earlier ones read, until one measured. The newest results are read in the order they
// were stored: the newest of all points lie close together at the table's end, so each page is read once.
Status ReadAttempts(Database& db, std::int64_t site, AttemptsByPoint& attempts) {
    std::vector<std::pair<std::int64_t, std::int64_t>> newest;
    if (Status read = ReadNewest(db, site, newest); !read) {
        return read;
    }
    std::sort(newest.begin(), newest.end());
    Statement query;
    if (const int prepared = query.Prepare(db, "SELECT r.id, r.packet FROM results r WHERE r.id = ?");
        prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    std::vector<std::int64_t> failedLast;
    for (const auto& [result, point] : newest) {
        query.Reset();
        query.Bind(1, result);
        if (const int rc = query.Step(); rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        Attempt attempt = AttemptAt(query, 0);
        if (!attempt.measured) {
            failedLast.push_back(point);
        }
        attempts[point] = {std::move(attempt)};
    }
    for (const std::int64_t point : failedLast) {
        if (Status read = ReadAttemptsOf(db, point, attempts[point]); !read) {
            return read;
        }
    }
    return Done{};
}

// Each point's newest typed result (its newest version) joins the point's read-out results: a typed
// result always measured, so it is a test on its date like any reading.
Status AddTypedAttempts(Database& db, std::int64_t site, AttemptsByPoint& attempts) {
    Statement query;
    const std::string sql =
        "SELECT t.point_id, t.measured_date, t.measured_time, t.id FROM typed_results t" +
        std::string(site != 0 ? " JOIN points p ON p.id = t.point_id AND p.site_id = ?" : "") +
        " WHERE t.point_id IS NOT NULL AND NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = "
        "t.id)";
    if (const int prepared = query.Prepare(db, sql); prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    if (site != 0) {
        query.Bind(1, site);
    }
    std::unordered_map<std::int64_t, Attempt> newest;
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        Attempt typed{query.Text(1), query.Text(2), query.Int(3), true};
        const auto [at, added] = newest.emplace(query.Int(0), typed);
        if (!added && Newer(typed, at->second)) {
            at->second = std::move(typed);
        }
    }
    for (auto& [point, typed] : newest) {
        attempts[point].push_back(std::move(typed));
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

void TakeStanding(DuePoint& point, const AttemptsByPoint& attempts) {
    const auto found = attempts.find(point.point);
    if (found == attempts.end()) {
        return;
    }
    const Standing standing = StandingOf(found->second);
    point.failedSince = standing.failedSince;
    if (standing.latest) {
        point.lastTested = found->second[*standing.latest].date;
        point.lastResult = found->second[*standing.latest].id;
    }
}

Status ReadPoints(Database& db, const std::string& today, std::int64_t site,
                  const std::unordered_map<std::int64_t, SiteEntry>& sites, const AttemptsByPoint& attempts,
                  std::vector<DuePoint>& points, std::vector<SortKey>& keys) {
    Statement query;
    const std::string sql = "SELECT id, site_id, name, ordinal, interval_months FROM points" +
                            std::string(site != 0 ? " WHERE site_id = ?" : "");
    if (const int prepared = query.Prepare(db, sql); prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    if (site != 0) {
        query.Bind(1, site);
    }
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        const auto owner = sites.find(query.Int(1));
        if (owner == sites.end()) {
            continue;  // the join of the points with their sites keeps none without one
        }
        DuePoint point;
        point.point = query.Int(0);
        point.site = owner->second.name;
        point.name = query.Text(2);
        point.intervalMonths = OptionalInt(query, 4);
        if (!point.intervalMonths) {
            point.intervalMonths = owner->second.intervalMonths;
        }
        TakeStanding(point, attempts);
        if (point.intervalMonths && !point.lastTested.empty()) {
            point.dueOn = AddMonths(point.lastTested, *point.intervalMonths);
        }
        point.overdue = point.intervalMonths &&
                        (point.lastTested.empty() || (!point.dueOn.empty() && point.dueOn < today));
        const int group = point.overdue ? 0 : point.intervalMonths ? 1 : 2;
        keys.push_back(
            {group, DateNumber(point.dueOn), owner->second.rank, query.Int(3), point.point, keys.size()});
        points.push_back(std::move(point));
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

Status CountPoints(Database& db, std::int64_t site, std::size_t& count) {
    Statement query;
    if (const int prepared = query.Prepare(
            db, "SELECT count(*) FROM points" + std::string(site != 0 ? " WHERE site_id = ?" : ""));
        prepared != SQLITE_OK) {
        return LastFailure(db, prepared);
    }
    if (site != 0) {
        query.Bind(1, site);
    }
    if (const int rc = query.Step(); rc != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    count = static_cast<std::size_t>(query.Int(0));
    return Done{};
}

}  // namespace

// Computed per point from one read of the points, one of the sites and one of each point's newest result (a
// point's last test is its newest result that measured, which only the result's bytes tell): a join would
// look the site up again for each of the 40,000 points, and sorting the points themselves would move their
// texts around.
Result<std::vector<DuePoint>> DueList(Archive& archive, const std::string& today, std::int64_t site) {
    std::vector<DuePoint> points;
    std::vector<SortKey> keys;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        std::unordered_map<std::int64_t, SiteEntry> sites;
        AttemptsByPoint attempts;
        std::size_t count = 0;
        if (Status counted = CountPoints(db, site, count); !counted) {
            return counted;
        }
        points.reserve(count);
        keys.reserve(count);
        if (Status siteRows = ReadSites(db, site, sites); !siteRows) {
            return siteRows;
        }
        if (Status results = ReadAttempts(db, site, attempts); !results) {
            return results;
        }
        if (Status typed = AddTypedAttempts(db, site, attempts); !typed) {
            return typed;
        }
        return ReadPoints(db, today, site, sites, attempts, points, keys);
    });
    if (!read) {
        return read.Error();
    }
    std::sort(keys.begin(), keys.end());
    std::vector<DuePoint> due;
    due.reserve(keys.size());
    for (const SortKey& key : keys) {
        due.push_back(std::move(points[key.index]));
    }
    return due;
}

}  // namespace terrovane::archive

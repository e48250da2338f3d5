#include "Due.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <tuple>

#include "SiteStatements.h"

namespace terrovane::archive {
namespace {

int Group(const DuePoint& point) {
    return point.overdue ? 0 : point.intervalMonths ? 1 : 2;
}

// Order: overdue, due, no interval; within each by date, then site and place in the site. References
// only: a list of 40,000 points is sorted without copying a name.
bool Before(const std::pair<DuePoint, int>& a, const std::pair<DuePoint, int>& b) {
    const int groupA = Group(a.first);
    const int groupB = Group(b.first);
    return std::tie(groupA, a.first.dueOn, a.first.site, a.second, a.first.point) <
           std::tie(groupB, b.first.dueOn, b.first.site, b.second, b.first.point);
}

}  // namespace

std::string AddMonths(const std::string& date, int months) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char tail = 0;
    if (date.size() != 10 || std::sscanf(date.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &tail) != 3) {
        return {};
    }
    const std::chrono::year_month_day given{std::chrono::year(year), std::chrono::month(month),
                                            std::chrono::day(day)};
    if (!given.ok()) {
        return {};
    }
    const auto shifted = std::chrono::year_month(given.year(), given.month()) + std::chrono::months(months);
    const auto last =
        std::chrono::year_month_day_last(shifted.year(), std::chrono::month_day_last(shifted.month()));
    const unsigned newDay = std::min(day, static_cast<unsigned>(last.day()));
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(shifted.year()),
                  static_cast<unsigned>(shifted.month()), newDay);
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

bool DueList(Archive& archive, const std::string& today, std::int64_t site, std::vector<DuePoint>& out,
             std::string& error) {
    std::vector<std::pair<DuePoint, int>> points;
    const bool ok = archive.Use(
        [&](Database& db, std::string& failure) {
            Statement query;
            const std::string sql =
                "SELECT p.id, s.name, p.name, p.ordinal, coalesce(p.interval_months, s.interval_months), "
                "p.last_measured FROM points p "
                "JOIN sites s ON s.id = p.site_id" +
                std::string(site != 0 ? " WHERE p.site_id = ?" : "");
            if (!Prepared(db, query, sql, failure)) {
                return false;
            }
            if (site != 0) {
                query.Bind(1, site);
            }
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                DuePoint point;
                point.point = query.Int(0);
                point.site = query.Text(1);
                point.name = query.Text(2);
                point.intervalMonths = OptionalInt(query, 4);
                point.lastTested = query.Text(5);
                if (point.intervalMonths && !point.lastTested.empty()) {
                    point.dueOn = AddMonths(point.lastTested, *point.intervalMonths);
                }
                point.overdue = point.intervalMonths &&
                                (point.lastTested.empty() || (!point.dueOn.empty() && point.dueOn < today));
                points.emplace_back(std::move(point), static_cast<int>(query.Int(3)));
            }
            if (rc != SQLITE_DONE) {
                failure = db.Error();
                return false;
            }
            return true;
        },
        error);
    if (!ok) {
        return false;
    }
    std::sort(points.begin(), points.end(), Before);
    for (auto& [point, ordinal] : points) {
        out.push_back(std::move(point));
    }
    return true;
}

}  // namespace terrovane::archive

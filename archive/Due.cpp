#include "Due.h"

#include <sqlite3.h>

#include <algorithm>
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

namespace {

bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

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

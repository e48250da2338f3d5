#include "DueSoon.h"

#include <sqlite3.h>

#include <algorithm>
#include <unordered_map>

#include "DateDigits.h"
#include "EraseTexts.h"
#include "SiteStatements.h"
#include "Sites.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's civil-date algorithms):
// exact for any year, with no time zone or daylight saving in the way as with mktime.
long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

Status PointUuids(Database& db, std::unordered_map<std::int64_t, std::string>& uuids) {
    Statement query;
    int rc = query.Prepare(db, "SELECT id, coalesce(uuid, '') FROM points");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    while ((rc = query.Step()) == SQLITE_ROW) {
        uuids[query.Int(0)] = query.Text(1);
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

// Every point's row, read in this same unit of work: no point is asked for by its id, so its failure can
// only be the library's own.
Status AllPoints(Archive& archive, std::vector<PointRow>& points) {
    if (std::string error; !Points(archive, 0, points, error)) {
        return LibraryFailure(error);
    }
    return Done{};
}

bool InWindow(const DuePoint& point, const std::string& last) {
    return point.overdue || (!point.dueOn.empty() && point.dueOn <= last);
}

// The main value and verdict of each point's last result, through one statement and the points' limits
// read once: the list may hold tens of thousands of points.
class LastResults {
  public:
    Status Prepare(Archive& archive, Database& db) {
        std::vector<PointRow> points;
        if (Status read = AllPoints(archive, points); !read) {
            return read;
        }
        if (const int rc = query_.Prepare(db, "SELECT packet FROM results WHERE id = ?"); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        for (const PointRow& point : points) {
            limits_[point.id] = point.limit;
        }
        db_ = &db;
        return Done{};
    }
    Status Take(DueEntry& entry) {
        if (entry.due.lastResult == 0) {
            return Done{};
        }
        query_.Reset();
        query_.Bind(1, entry.due.lastResult);
        if (const int rc = query_.Step(); rc != SQLITE_ROW) {
            return LastFailure(*db_, rc);
        }
        Packet packet{};
        const std::vector<std::uint8_t> bytes = query_.Blob(0);
        std::copy_n(bytes.begin(), std::min(bytes.size(), packet.size()), packet.begin());
        const auto record = record::MeasurementRecord::FromPacket(packet);
        entry.lastResult = format::MainValueText(record);
        entry.verdict = Judge(record, limits_[entry.due.point]);
        return Done{};
    }

  private:
    Statement query_;
    Database* db_ = nullptr;
    std::unordered_map<std::int64_t, std::optional<Limit>> limits_;
};

}  // namespace

std::string AddDays(const std::string& date, int days) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !Digits(date, 0, 4, year) ||
        !Digits(date, 5, 2, month) || !Digits(date, 8, 2, day) || month < 1 || month > 12 || day < 1 ||
        AddMonths(date, 0) != date) {
        return {};
    }
    CivilFromDays(DaysFromCivil(year, month, day) + days, year, month, day);
    if (year < 0 || year > 9999) {
        return {};
    }
    std::string text = "0000-00-00";
    for (int i = 3, y = year; i >= 0; --i, y /= 10) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + y % 10);
    }
    text[5] = static_cast<char>('0' + month / 10);
    text[6] = static_cast<char>('0' + month % 10);
    text[8] = static_cast<char>('0' + day / 10);
    text[9] = static_cast<char>('0' + day % 10);
    return text;
}

Result<std::vector<DueEntry>> DueSoon(Archive& archive, const std::string& today,
                                      std::optional<int> withinDays) {
    const std::string lastDay = withinDays ? AddDays(today, *withinDays) : std::string();
    std::vector<DueEntry> entries;
    // One snapshot: the list, the points' ids and their last results agree.
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Result<std::vector<DuePoint>> points = DueList(archive, today, 0);
        if (!points) {
            return points.Error();
        }
        std::unordered_map<std::int64_t, std::string> uuids;
        if (Status ids = PointUuids(db, uuids); !ids) {
            return ids;
        }
        LastResults last;
        if (Status prepared = last.Prepare(archive, db); !prepared) {
            return prepared;
        }
        for (DuePoint& point : points.Value()) {
            if (withinDays && !InWindow(point, lastDay)) {
                continue;
            }
            DueEntry entry;
            entry.uuid = uuids[point.point];
            entry.due = std::move(point);
            if (Status taken = last.Take(entry); !taken) {
                return taken;
            }
            entries.push_back(std::move(entry));
        }
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return entries;
}

}  // namespace terrovane::archive

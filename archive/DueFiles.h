#pragma once

#include <string>
#include <vector>

#include "DueSoon.h"

namespace terrovane::archive {

// The due list's files, each with one row or event per point in the list's order. Their keys and words
// are English and stable, as the results' files keep them.

// CSV after RFC 4180, UTF-8 behind a byte order mark: site, point, last_tested, last_result, verdict,
// due, overdue, interval_months, failed_since.
std::string DueCsv(const std::vector<DueEntry>& entries);

// A JSON array of objects: site, point, last_tested, failed_since, interval_months, due and overdue as
// `due --format json` has always written them, then last_result and verdict.
std::string DueJson(const std::vector<DueEntry>& entries);

// iCalendar (RFC 5545): a VEVENT per point that falls due, an all-day event on its due date (today for a
// point never tested that has an interval), its UID the point's own so a calendar that imports the list
// again updates the event instead of adding one; CRLF line ends, lines folded at 75 octets, text escaped.
// `today` is YYYY-MM-DD, `stamp` the moment written as YYYYMMDDTHHMMSSZ (UtcStamp()).
std::string DueCalendar(const std::vector<DueEntry>& entries, const std::string& today,
                        const std::string& stamp);
// Now in UTC as iCalendar writes a moment, 20261210T061500Z.
std::string UtcStamp();

// The list as an .xlsx workbook (dates as dates, verdicts coloured, a frozen header and an autofilter);
// replaces `path` only once complete. "" on success, otherwise the reason.
std::string ExportDueXlsx(const std::vector<DueEntry>& entries, const std::string& path);

}  // namespace terrovane::archive

// The due list as an iCalendar file for the team's calendars.
#include <ctime>

#include "DueFiles.h"

namespace terrovane::archive {
namespace {

// TEXT after RFC 5545 3.3.11: backslash, semicolon and comma escaped, a line break as \n.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

// The content line with CRLF, folded so no line is longer than 75 octets; a fold never splits a UTF-8
// character, which some calendars would show as two broken ones.
std::string Folded(const std::string& line) {
    std::string folded;
    std::size_t length = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t next = i + 1;
        while (next < line.size() && (static_cast<unsigned char>(line[next]) & 0xC0) == 0x80) {
            ++next;
        }
        if (length + (next - i) > 75) {
            folded += "\r\n ";
            length = 1;
        }
        folded.append(line, i, next - i);
        length += next - i;
        i = next;
    }
    return folded + "\r\n";
}

// YYYY-MM-DD as YYYYMMDD; empty for anything else.
std::string DateValue(const std::string& date) {
    return date.size() == 10 ? date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) : std::string();
}

// An all-day event ends the next day; on the calendar's last day it has no end, which means the same.
std::string End(const std::string& day) {
    const std::string next = DateValue(AddDays(day, 1));
    return next.empty() ? std::string() : Folded("DTEND;VALUE=DATE:" + next);
}

std::string Description(const DueEntry& entry) {
    const DuePoint& p = entry.due;
    std::string text = p.lastTested.empty() ? "Never tested."
                                            : "Last test " + p.lastTested + ": " + entry.lastResult + ", " +
                                                  VerdictWord(entry.verdict) + ".";
    if (p.intervalMonths) {
        text += "\nRe-test every " + std::to_string(*p.intervalMonths) + " months.";
    }
    return text + (p.overdue ? "\nOverdue." : "");
}

std::string Event(const DueEntry& entry, const std::string& today, const std::string& stamp) {
    const DuePoint& p = entry.due;
    const std::string day = p.dueOn.empty() ? today : p.dueOn;
    const std::string uid = entry.uuid.empty() ? "point-" + std::to_string(p.point) : entry.uuid;
    return Folded("BEGIN:VEVENT") + Folded("UID:" + uid + "@terrovane") + Folded("DTSTAMP:" + stamp) +
           Folded("DTSTART;VALUE=DATE:" + DateValue(day)) + End(day) +
           Folded("SUMMARY:" + Escaped("Re-test due: " + p.site + " / " + p.name)) +
           Folded("DESCRIPTION:" + Escaped(Description(entry))) +
           Folded(std::string("CATEGORIES:") + (p.overdue ? "Overdue" : "Due")) +
           Folded("TRANSP:TRANSPARENT") + Folded("END:VEVENT");
}

}  // namespace

std::string UtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[24];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

std::string DueCalendar(const std::vector<DueEntry>& entries, const std::string& today,
                        const std::string& stamp) {
    std::string calendar = Folded("BEGIN:VCALENDAR") + Folded("VERSION:2.0") +
                           Folded("PRODID:-//Terrovane//Due list//EN") + Folded("CALSCALE:GREGORIAN") +
                           Folded("METHOD:PUBLISH");
    for (const DueEntry& entry : entries) {
        if (entry.due.overdue || !entry.due.dueOn.empty()) {
            calendar += Event(entry, today, stamp);
        }
    }
    return calendar + Folded("END:VCALENDAR");
}

}  // namespace terrovane::archive

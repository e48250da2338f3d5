#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"

namespace terrovane::archive {

// When a test point is to be measured again.
struct DuePoint {
    std::int64_t point = 0;
    std::string site;
    std::string name;
    std::string lastTested;       // the date of its newest result that measured; empty when none did
    std::int64_t lastResult = 0;  // that result; 0 when none measured
    int failedSince = 0;          // its results newer than that which measured nothing (failed readings)
    std::optional<int> intervalMonths;  // its own or its site's
    std::string dueOn;                  // last test plus the interval; empty without interval or test
    bool overdue = false;               // due before today, or never tested though it has an interval
};

// The date `months` after `date` (both YYYY-MM-DD); a day the month lacks becomes its last day
// (2024-01-31 plus one month is 2024-02-29). Empty for a date that is not one.
std::string AddMonths(const std::string& date, int months);

// Today's local date, YYYY-MM-DD.
std::string Today();

// Every point (of the site, when `site` is not 0): overdue points first, the longest overdue first, then by
// due date; points without an interval last.
Result<std::vector<DuePoint>> DueList(Archive& archive, const std::string& today, std::int64_t site);

}  // namespace terrovane::archive

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Due.h"
#include "Result.h"
#include "Verdict.h"

namespace terrovane::archive {

// A point of the due list with what its newest result that measured said.
struct DueEntry {
    DuePoint due;
    std::string uuid;        // the point's own, the same on every PC of the team
    std::string lastResult;  // its main value, "Re 12.34 Ω"; empty when the point was never measured
    Verdict verdict = Verdict::None;
};

// The date `days` after `date` (YYYY-MM-DD; negative goes back); empty for a date that is not one.
std::string AddDays(const std::string& date, int days);

// The due list (DueList's order: overdue first, the longest overdue first, then by due date) with each
// point's last result and verdict. With `withinDays`, only the points overdue or due on or before
// `today` plus that many days; without, every point.
Result<std::vector<DueEntry>> DueSoon(Archive& archive, const std::string& today,
                                      std::optional<int> withinDays);

}  // namespace terrovane::archive

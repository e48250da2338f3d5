#pragma once

#include <QString>

#include "SiteTypes.h"
#include "Verdict.h"

namespace terrovane::texts {

// A verdict and a point kind as a person reads them; files and the command line keep the archive's
// own words ("pass", "tower-leg").
QString VerdictText(archive::Verdict verdict);
QString PointKindText(archive::PointKind kind);

// The counts of a site's latest verdicts in one line, each with its plural: "3 passed, 1 failed,
// 2 without limit, 1 not tested" (the last only when there is one).
struct VerdictCounts {
    int passed = 0;
    int failed = 0;
    int withoutLimit = 0;
    int untested = 0;
};
QString VerdictCountsText(const VerdictCounts& counts);

}  // namespace terrovane::texts

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Archive.h"
#include "SiteReport.h"
#include "Visit.h"

namespace terrovane::sitereport {

// The site's visits dated in the report's range [since, until] (empty: no bound), oldest first, for the
// report's front. False with `error` set when the archive cannot be read.
[[nodiscard]] bool LoadReportVisits(archive::Archive& archive, std::int64_t site, const std::string& since,
                                    const std::string& until, std::vector<archive::Visit>& out,
                                    std::string& error);

// Notes the visit each result of the report (read out or typed) is assigned to, so its conditions are that
// visit's even where the site had several visits that day.
[[nodiscard]] bool AddVisitAssignments(archive::Archive& archive, SiteReport& report, std::string& error);

}  // namespace terrovane::sitereport

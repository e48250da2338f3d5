#include "ReportVisits.h"

#include "Visits.h"

namespace terrovane::sitereport {

bool LoadReportVisits(archive::Archive& archive, std::int64_t site, const std::string& since,
                      const std::string& until, std::vector<archive::Visit>& out, std::string& error) {
    archive::Result<std::vector<archive::Visit>> visits = archive::SiteVisits(archive, site, since, until);
    if (!visits) {
        error = visits.Error().Text();
        return false;
    }
    out = std::move(visits).Value();
    return true;
}

}  // namespace terrovane::sitereport

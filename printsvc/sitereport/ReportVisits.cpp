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

bool AddVisitAssignments(archive::Archive& archive, SiteReport& report, std::string& error) {
    for (PointSection& section : report.points) {
        for (ReportedResult& result : section.results) {
            if (!result.view.id) {
                continue;
            }
            const auto visit = result.method.typed ? archive::VisitOfTypedResult(archive, *result.view.id)
                                                   : archive::VisitOfResult(archive, *result.view.id);
            if (!visit) {
                error = visit.Error().Text();
                return false;
            }
            result.visit = visit.Value();
        }
    }
    return true;
}

}  // namespace terrovane::sitereport

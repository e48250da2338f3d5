#pragma once

#include <string>
#include <vector>

#include "PointStanding.h"
#include "SiteReport.h"

// The report's own loading beside the results: typed results, the probes' distances, the due dates and the
// photos chosen for the report. Each runs inside the report's one snapshot.
namespace terrovane::sitereport {

// Adds the typed results of the filter's site and range to their points, with their attempts.
[[nodiscard]] bool AddTypedResults(archive::Archive& archive, const archive::ResultFilter& filter,
                                   const archive::ValidityThresholds& thresholds, SiteReport& report,
                                   std::vector<std::vector<archive::Attempt>>& attempts, std::string& error);

// Gives each result that is a reading of a stored fall-of-potential curve that curve's probe distances.
[[nodiscard]] bool AddProbeDistances(archive::Archive& archive, SiteReport& report, std::string& error);

// The photos chosen for the report among those of each point and of its results in the report.
[[nodiscard]] bool AddReportPhotos(archive::Archive& archive, SiteReport& report, std::string& error);

// When each point is due again.
[[nodiscard]] bool AddDueDates(archive::Archive& archive, SiteReport& report, std::string& error);

}  // namespace terrovane::sitereport

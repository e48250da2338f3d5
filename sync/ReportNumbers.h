#pragma once

#include <string>

#include "Archive.h"
#include "Connection.h"
#include "IssuedReports.h"
#include "Result.h"

namespace terrovane::sync {

// Whether the archive belongs to a team: it signed in to a team's server once.
archive::Result<bool> InTeam(archive::Archive& archive);

// The next report number of the prefix and year from the team's server ("PREFIX-YEAR-0001"), which
// counts them for the whole team and issues them to inspectors and admins only.
archive::ServerReportNumber IssueServerReportNumber(const pg::ConnectOptions& connection,
                                                    const std::string& prefix, int year);

}  // namespace terrovane::sync

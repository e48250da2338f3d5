#pragma once

#include "Archive.h"
#include "Command.h"
#include "SiteReport.h"

namespace terrovane::cli {

// Issues the report: a number from the team's server (in a team, when it answers) or from this device,
// or with --revise NUMBER that number's next revision; the PDF drawn to --pdf and kept in the archive as
// it was issued. The command's exit status.
int IssueSiteReport(archive::Archive& archive, sitereport::SiteReport& report,
                    const ParsedArguments& options);

}  // namespace terrovane::cli

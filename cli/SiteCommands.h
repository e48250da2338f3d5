#pragma once

#include "Command.h"

namespace terrovane::cli {

// The "site report" form of the site command.
CommandForm SiteReportForm();

}  // namespace terrovane::cli

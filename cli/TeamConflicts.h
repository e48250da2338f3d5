#pragma once

#include "Command.h"

namespace terrovane::cli {

// team conflicts: this archive's conflict list.
int ListTeamConflicts(const ParsedArguments& options);
// team conflicts resolve ID --keep kept|lost.
int ResolveTeamConflict(const ParsedArguments& options);

}  // namespace terrovane::cli

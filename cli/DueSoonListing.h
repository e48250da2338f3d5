#pragma once

#include "Command.h"

namespace terrovane::cli {

// `due --within DAYS` and the formats only it writes (csv, ics): the points overdue or due within the days
// (every point without --within), each with its last result and verdict.
int ListDueSoon(const ParsedArguments& options);

}  // namespace terrovane::cli

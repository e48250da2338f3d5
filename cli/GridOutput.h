#pragma once

#include <string>

#include "Assessment.h"

namespace terrovane::cli {

// The assessment as terrovane-cli grid prints it: a table for people, or one JSON object.
std::string GridTable(const grid::Assessment& assessment);
std::string GridJson(const grid::Assessment& assessment);

}  // namespace terrovane::cli

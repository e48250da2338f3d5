#pragma once

#include <string>

#include "Assessment.h"
#include "Json.h"

namespace terrovane::cli {

// The assessment as terrovane-cli grid prints it: a table for people, or one JSON object.
std::string GridTable(const grid::Assessment& assessment);
std::string GridJson(const grid::Assessment& assessment);
// The same JSON object, for the computed assessment and the profile to be added to.
numbers::Json GridJsonObject(const grid::Assessment& assessment);

}  // namespace terrovane::cli

#pragma once

#include <string>

#include "Assessment.h"

namespace terrovane::cli {

// The assessment as terrovane-cli grid prints it: a table for people, or one JSON object.
std::string GridTable(const grid::Assessment& assessment);
std::string GridJson(const grid::Assessment& assessment);

// One sentence for a reason ("the mesh voltage Em 1001.6 V is 161.1 V (19.2 %) above the tolerable touch
// voltage 840.5 V") and for a warning.
std::string ReasonSentence(const grid::Reason& reason);
std::string WarningSentence(const grid::Warning& warning);

}  // namespace terrovane::cli

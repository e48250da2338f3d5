#pragma once

#include "Command.h"

namespace terrovane::cli {

// "fop plan": the fall-of-potential curve predicted from the soil model for an electrode and a current
// probe, the position that reads the true resistance and the current-probe distance for a plateau.
CommandForm FopPlanForm();

}  // namespace terrovane::cli

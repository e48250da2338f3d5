#pragma once

#include <vector>

#include "Command.h"

namespace terrovane::cli {

// "soil add", "soil typed" and "soil list": soundings measured otherwise and typed in, stored with their
// site, fitted as the instrument's are, and listed.
std::vector<CommandForm> SoilTypedForms();

}  // namespace terrovane::cli

#pragma once

#include <vector>

#include "Command.h"

namespace terrovane::cli {

// "fop add", "fop typed" and "fop list": fall-of-potential traverses measured otherwise and typed in,
// stored with their test point, analysed as the instrument's are, and listed.
std::vector<CommandForm> FopTypedForms();

}  // namespace terrovane::cli

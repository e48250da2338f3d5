#pragma once

#include "Command.h"
#include "LayeredEarth.h"
#include "SoilFromArchive.h"
#include "SoilModels.h"

namespace terrovane::cli {

// A stored soil model's layers as the analyses take them.
using stored::EarthOf;

// The stored soil model --soil-model ID or --site SITE names: by its id, or the newest of the site. False
// after a message under the command's name.
bool LoadStoredModel(const char* command, const ParsedArguments& options, archive::StoredSoilModel& model);

}  // namespace terrovane::cli

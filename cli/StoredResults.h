#pragma once

#include <string>
#include <vector>

#include "Sounding.h"

namespace terrovane::cli {

// The stored results of a saved read-out image (`from`, a path) or, without one, of archived read-out
// `readoutId` (its id as typed), in slot order, each named by its slot ("slot 07"). False with `error`.
bool LoadStoredResults(const std::string& from, const std::string& readoutId,
                       std::vector<analysis::SourcedRecord>& records, std::string& error);

// A text file named on the command line, up to 1 MiB; false with `error` naming it.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

}  // namespace terrovane::cli

#pragma once

#include <string>
#include <vector>

#include "ResultListing.h"
#include "TypedResults.h"

namespace terrovane::cli {

// Typed result versions as aligned columns: id, what it replaced, when measured, where, method, values,
// verdict, instrument, who measured, who typed it and when.
std::string TypedResultTable(const std::vector<archive::TypedResultVersion>& versions);

// The listing of read-out results with the typed results after them: in JSON as objects of the same array
// marked "typed": true, in a table as a second table. (The CSV has its typed rows from archive::ResultsCsv.)
std::string WithTypedResults(const std::string& listing,
                             const std::vector<archive::TypedResultVersion>& typed, ListingFormat format);

}  // namespace terrovane::cli

#pragma once

#include <string>
#include <vector>

#include "TypedResults.h"

namespace terrovane::archive {

// The versions as a JSON array, one object per typed result version: "typed": true, id, the version chain
// (replaces, replaced_by), site, point, limit_ohm, limit_source, verdict, method, date, time, values (by
// name, in the base unit; null where over range), over_range (the bound by name), units (by name: "ohm",
// "ohm.m", "A"), instrument, measured_by, note, typed_by, typed_at. Empty texts give null.
std::string TypedResultsJson(const std::vector<TypedResultVersion>& versions);
// A JSON array of results (ResultsJson) with the typed results' objects after the read-outs' ones.
std::string AppendTypedJson(const std::string& resultsJson, const std::vector<TypedResultVersion>& typed);

}  // namespace terrovane::archive

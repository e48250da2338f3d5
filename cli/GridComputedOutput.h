#pragma once

#include <string>

#include "Assessment.h"
#include "GridSafety.h"
#include "Json.h"

namespace terrovane::cli {

// The assessment computed in the soil model beside the formulas': a table for people, the JSON object
// "computed" (with "method" beside it) added to the formulas' JSON, and the map of the surface.
std::string ComputedTable(const electrode::ComputedSafety& computed, const grid::Assessment& formulas,
                          const electrode::Soil& soil);
// Adds "method": "computed" and "computed": {...} at the end of the formulas' JSON object.
void AddComputedJson(numbers::Json& json, const electrode::ComputedSafety& computed,
                     const grid::Assessment& formulas, const electrode::Soil& soil);

// The raster as CSV (x_m, y_m, potential_v, touch_v, step_v; touch empty outside the touch area) or as
// one JSON object of rows, by the file name's extension (.csv, .json); empty for any other extension.
std::string MapFileText(const electrode::ComputedSafety& computed, const std::string& path);

}  // namespace terrovane::cli

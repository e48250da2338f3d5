#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Json.h"
#include "SurfaceProfile.h"

namespace terrovane::cli {

// The line of --profile X1,Y1,X2,Y2 in the grid's metres; none for anything but four finite numbers
// naming two different points.
struct ProfileLine {
    electrode::Point from;
    electrode::Point to;
};
std::optional<ProfileLine> ParseProfileLine(const std::string& text);

// The profile as CSV (distance_m, x_m, y_m, potential_v, touch_v) or one JSON object, by the file name's
// extension (.csv, .json); empty for any other extension.
std::string ProfileFileText(const std::vector<electrode::ProfilePoint>& profile, const std::string& path);
// The JSON object alone, for the assessment's own JSON.
numbers::Json ProfileJson(const std::vector<electrode::ProfilePoint>& profile);
// A table for people: where each point lies and its potential and touch voltage.
std::string ProfileTable(const std::vector<electrode::ProfilePoint>& profile);

}  // namespace terrovane::cli

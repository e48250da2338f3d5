#pragma once

#include <optional>
#include <string>

#include "SiteTypes.h"

namespace terrovane::archive {

// A site's position in decimal degrees.
struct Position {
    double latitude = 0;
    double longitude = 0;
};

// "LAT,LON" in decimal degrees (spaces around either allowed); nullopt unless both are numbers with the
// latitude within +-90 and the longitude within +-180.
std::optional<Position> ParsePosition(const std::string& text);
// The site's position as ParsePosition reads it ("48.137,11.575"), empty when it has none.
std::string PositionText(const SiteFields& site);

}  // namespace terrovane::archive

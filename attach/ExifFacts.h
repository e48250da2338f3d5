#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "SitePosition.h"

namespace terrovane::attach {

// What a photo's EXIF block says of where and when it was taken.
struct ExifFacts {
    std::string taken;  // "YYYY-MM-DD HH:MM:SS" as the camera's clock had it, else empty
    std::optional<archive::Position> position;
};

// Read from a JPEG's bytes; empty facts for a file without EXIF, or with values that make no date or no
// position on the earth.
ExifFacts ReadExif(std::string_view jpeg);

}  // namespace terrovane::attach

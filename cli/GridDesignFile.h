#pragma once

#include <optional>
#include <string>

#include "GridDesign.h"

namespace terrovane::cli {

// An earthing grid design as `terrovane-cli grid` reads it: a JSON object with "grid", "fault" and
// optionally "rods", "surface_layer", "body_kg", "en50522" (footwear and standing resistance) and "soil"
// (a uniform resistivity, used when the command line names none).
struct GridDesignFile {
    grid::GridDesign design;
    std::optional<double> soilResistivity;
};

// Reads the file's text strictly: an unknown or missing field, a value of the wrong type and every value
// the design check refuses is an error that names the field ("grid.length_m: must be above zero").
bool ParseGridDesignFile(const std::string& text, GridDesignFile& file, std::string& error);

}  // namespace terrovane::cli

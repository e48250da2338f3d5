#pragma once

#include <optional>
#include <string>

#include "GridDesign.h"
#include "LayeredEarth.h"

namespace terrovane::cli {

// An earthing grid design as `terrovane-cli grid` reads it: a JSON object with "grid", "fault" and
// optionally "rods", "surface_layer", "body_kg", "en50522" (footwear and standing resistance) and "soil"
// (a uniform resistivity, or the layers of a soil model top first, the last without a thickness; used when
// the command line names none).
struct GridDesignFile {
    grid::GridDesign design;
    std::optional<double> soilResistivity;
    std::optional<analysis::LayeredEarth> soilLayers;
};

// Reads the file's text strictly: an unknown or missing field, a value of the wrong type and every value
// the design check refuses is an error that names the field ("grid.length_m: must be above zero").
bool ParseGridDesignFile(const std::string& text, GridDesignFile& file, std::string& error);

// Reads and parses the design file at `path` for `command`: nullopt when it is had, else the exit status
// after saying why (a file that cannot be read fails; a design it cannot accept is a usage error).
std::optional<int> LoadGridDesignFile(const char* command, const std::string& path, GridDesignFile& file);

}  // namespace terrovane::cli

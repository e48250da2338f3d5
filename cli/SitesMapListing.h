#pragma once

#include <string>

namespace terrovane::cli {

// `sites --format geojson|kml`: the sites with a position for a map program, on standard output; those
// without one are left out and counted on standard error.
bool IsMapFormat(const std::string& format);
int ListSitesMap(const std::string& format);

}  // namespace terrovane::cli

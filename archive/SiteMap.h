#pragma once

#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "SiteTypes.h"

namespace terrovane::archive {

// A site as a map shows it: where it is, how its points stand and when it is next due.
struct SiteOnMap {
    SiteRow site;  // with a position
    // "fail": a point's newest result that measured failed its limit; else "untested": a point (or the
    // site, having none) was never measured; else "none": a point's result had no limit to keep; else
    // "pass".
    std::string verdict;
    std::string due;       // the earliest due date of its points; empty when none has one
    bool overdue = false;  // a point is overdue (one never tested with an interval is)
};

struct SitesMap {
    std::vector<SiteOnMap> placed;  // by name
    int leftOut = 0;                // sites without a position
};

// Every site with a position, judged as of `today` (YYYY-MM-DD); the others only counted.
Result<SitesMap> MapSites(Archive& archive, const std::string& today);

// GeoJSON (RFC 7946): a FeatureCollection with a Point feature per site at [longitude, latitude] and the
// properties name, address, verdict, due (null when none), overdue and points.
std::string SitesGeoJson(const SitesMap& map);
// KML 2.2: a Document with a Placemark per site (its name, a description, the same fields as ExtendedData
// and a style by verdict) at longitude,latitude.
std::string SitesKml(const SitesMap& map);

}  // namespace terrovane::archive

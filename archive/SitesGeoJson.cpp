// The sites as GeoJSON for any map program.
#include <nlohmann/json.hpp>

#include "SiteMap.h"

namespace terrovane::archive {

std::string SitesGeoJson(const SitesMap& map) {
    nlohmann::ordered_json features = nlohmann::ordered_json::array();
    for (const SiteOnMap& each : map.placed) {
        const SiteFields& fields = each.site.fields;
        nlohmann::ordered_json properties;
        properties["name"] = fields.name;
        properties["address"] =
            fields.address.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(fields.address);
        properties["verdict"] = each.verdict;
        properties["due"] = each.due.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(each.due);
        properties["overdue"] = each.overdue;
        properties["points"] = each.site.points;
        nlohmann::ordered_json feature;
        feature["type"] = "Feature";
        // GeoJSON puts the longitude first, unlike the way people write a position.
        feature["geometry"] = {{"type", "Point"}, {"coordinates", {*fields.longitude, *fields.latitude}}};
        feature["properties"] = std::move(properties);
        features.push_back(std::move(feature));
    }
    nlohmann::ordered_json collection;
    collection["type"] = "FeatureCollection";
    collection["features"] = std::move(features);
    // A name that is not UTF-8 (from an old file) must not stop the export: its bad bytes become U+FFFD.
    return collection.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace terrovane::archive

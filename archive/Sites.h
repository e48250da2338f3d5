#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "SiteTypes.h"

namespace terrovane::archive {

// Sites and test points. Every call is one transaction; false with `error` set when it changes nothing.
// Names are trimmed and may not be empty; a site's name is unique, a point's name unique in its site.
// No call here deletes a result.

[[nodiscard]] bool AddSite(Archive& archive, const SiteFields& fields, std::int64_t& id, std::string& error);
// Replaces every field (renaming included).
[[nodiscard]] bool UpdateSite(Archive& archive, std::int64_t id, const SiteFields& fields,
                              std::string& error);
// Deletes the site and its points; their results stay, unassigned.
[[nodiscard]] bool DeleteSite(Archive& archive, std::int64_t id, std::string& error);
[[nodiscard]] bool Sites(Archive& archive, std::vector<SiteRow>& out, std::string& error);
[[nodiscard]] std::optional<SiteRow> FindSite(Archive& archive, const std::string& name, std::string& error);

// A new point goes after the site's last one in the order of measuring.
[[nodiscard]] bool AddPoint(Archive& archive, std::int64_t site, const PointFields& fields, std::int64_t& id,
                            std::string& error);
[[nodiscard]] bool UpdatePoint(Archive& archive, std::int64_t id, const PointFields& fields,
                               std::string& error);
// Moves the point (with its results) to another site, after that site's last point.
[[nodiscard]] bool MovePoint(Archive& archive, std::int64_t id, std::int64_t site, std::string& error);
// Deletes the point; its results stay, unassigned.
[[nodiscard]] bool DeletePoint(Archive& archive, std::int64_t id, std::string& error);
// The site's points in the order of measuring (all points when `site` is 0).
[[nodiscard]] bool Points(Archive& archive, std::int64_t site, std::vector<PointRow>& out,
                          std::string& error);
[[nodiscard]] std::optional<PointRow> PointById(Archive& archive, std::int64_t id, std::string& error);
[[nodiscard]] std::optional<PointRow> FindPoint(Archive& archive, const std::string& site,
                                                const std::string& point, std::string& error);

// Assigns the results to the point, or leaves them unassigned when `point` is unset.
[[nodiscard]] bool Assign(Archive& archive, const std::vector<std::int64_t>& results,
                          std::optional<std::int64_t> point, std::string& error);
// Assigns results[i] to the site's points from `firstPoint` on, in the order of measuring: a campaign that
// measures its points in a fixed order stores them in a run of slots. Refused when the site has fewer
// points left than results.
[[nodiscard]] bool AssignInOrder(Archive& archive, const std::vector<std::int64_t>& results,
                                 std::int64_t site, int firstPoint, std::string& error);

}  // namespace terrovane::archive

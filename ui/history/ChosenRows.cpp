#include "ChosenRows.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ArchiveFailure.h"
#include "Problems.h"
#include "Sites.h"

namespace terrovane::history {

std::optional<archive::SiteRow> ReadChosenSite(archive::Archive& archive, std::int64_t id,
                                               const QString& what) {
    std::vector<archive::SiteRow> sites;
    std::string error;
    if (!archive::Sites(archive, sites, error)) {
        SayArchiveFailure(what, archive, error);
        return std::nullopt;
    }
    const auto site = std::find_if(sites.begin(), sites.end(), [id](const auto& s) { return s.id == id; });
    if (site == sites.end()) {
        // Deleted meanwhile by another program: said as the archive says a point that is not there.
        SayArchiveFailure(what, archive, archive::Problem(archive::kNoSite, {std::to_string(id)}));
        return std::nullopt;
    }
    return *site;
}

std::optional<archive::PointRow> ReadChosenPoint(archive::Archive& archive, std::int64_t id,
                                                 const QString& what) {
    std::string error;
    std::optional<archive::PointRow> point = archive::PointById(archive, id, error);
    if (!point) {
        SayArchiveFailure(what, archive, error);
    }
    return point;
}

}  // namespace terrovane::history

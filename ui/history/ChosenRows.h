#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "Archive.h"
#include "SiteTypes.h"

namespace terrovane::history {

// The site or test point an action of the archive window works on, read by its id. When the archive
// cannot read it or it is gone, nullopt after telling the person that `what` failed and what to do: a
// locked or damaged archive must not pass for a site that is not there.
std::optional<archive::SiteRow> ReadChosenSite(archive::Archive& archive, std::int64_t id,
                                               const QString& what);
std::optional<archive::PointRow> ReadChosenPoint(archive::Archive& archive, std::int64_t id,
                                                 const QString& what);

}  // namespace terrovane::history

#pragma once

#include <cstdint>
#include <string>

#include "Archive.h"
#include "SiteTypes.h"

namespace terrovane::archive {

// A new site with `fields` and a test point for each of the source site's, in its order of measuring, with
// the same name, kind, own limit and own interval: a campaign set up like a site of the same kind. Results
// and notes stay with the source. One unit of work: either the site and all its points, or nothing.
bool CopySite(Archive& archive, std::int64_t source, const SiteFields& fields, std::int64_t& id,
              std::string& error);

}  // namespace terrovane::archive

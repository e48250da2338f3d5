#pragma once

#include <cstdint>
#include <string>

#include "Archive.h"
#include "Result.h"
#include "SiteTypes.h"

namespace terrovane::archive {

// A new site with `fields` and a test point for each of the source site's, in its order of measuring, with
// the same name, kind, own limit and own interval: a campaign set up like a site of the same kind. Results
// and notes stay with the source. One unit of work: either the site and all its points, or nothing.
// The new site's id; missing (kNoSite) when there is no source site, and refused as adding the site or a
// point refuses.
Result<std::int64_t> CopySite(Archive& archive, std::int64_t source, const SiteFields& fields);

}  // namespace terrovane::archive

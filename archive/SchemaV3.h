#pragma once

namespace terrovane::archive {

// The step from layout 2 to layout 3: sites, test points and the assignment of results to points.
extern const char* const kLayout3;

}  // namespace terrovane::archive

#pragma once

namespace terrovane::archive {

// The step from layout 3 to layout 4: soil models kept with their site and fall-of-potential curves kept
// with their test point.
extern const char* const kLayout4;

}  // namespace terrovane::archive

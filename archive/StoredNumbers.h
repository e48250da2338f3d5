#pragma once

#include <cmath>

namespace terrovane::archive {

// A length, resistivity or duration worth storing: a number, and above zero.
inline bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace terrovane::archive

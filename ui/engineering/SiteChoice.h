#pragma once

#include <QString>

#include <cstdint>

namespace terrovane::engineering {

// A site the window's model may be kept with.
struct SiteChoice {
    std::int64_t id = 0;
    QString name;
};

}  // namespace terrovane::engineering

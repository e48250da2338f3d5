#pragma once

#include <QString>

#include <cstdint>

namespace terrovane::engineering {

// A test point the window's curve may be kept with.
struct PointChoice {
    std::int64_t id = 0;
    QString name;  // "site / point"
};

}  // namespace terrovane::engineering

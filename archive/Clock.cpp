#include <cstdio>
#include <ctime>
#include <string>

#include "Archive.h"

namespace terrovane::archive {

std::string NowIso8601() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff / 60;
    const long magnitude = offset < 0 ? -offset : offset;
    char zone[48];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return std::string(stamp) + zone;
}

}  // namespace terrovane::archive

#include "SitePosition.h"

#include <cmath>

#include "Numbers.h"

namespace terrovane::archive {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<Position> ParsePosition(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const auto latitude = numbers::ParseDecimal(Trimmed(text.substr(0, comma)));
    const auto longitude = numbers::ParseDecimal(Trimmed(text.substr(comma + 1)));
    if (!latitude || !longitude || !(std::fabs(*latitude) <= 90) || !(std::fabs(*longitude) <= 180)) {
        return std::nullopt;
    }
    return Position{*latitude, *longitude};
}

std::string PositionText(const SiteFields& site) {
    if (!site.latitude || !site.longitude) {
        return {};
    }
    return numbers::Shortest(*site.latitude) + "," + numbers::Shortest(*site.longitude);
}

}  // namespace terrovane::archive

// The surface potential along a line as terrovane-cli grid --profile writes it; numbers through the
// numbers module.
#include "GridProfileOutput.h"

#include <cmath>

#include "Json.h"
#include "Numbers.h"

namespace terrovane::cli {
namespace {

using numbers::Fixed;
using numbers::General;

numbers::Json ProfileNumber(double value) {
    return numbers::JsonNumber(value, 6);
}

bool HasEnding(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string ProfileCsv(const std::vector<electrode::ProfilePoint>& profile) {
    std::string csv = "distance_m,x_m,y_m,potential_v,touch_v\n";
    for (const electrode::ProfilePoint& p : profile)
        csv += General(p.distance, 6) + "," + General(p.at.x, 6) + "," + General(p.at.y, 6) + "," +
               General(p.potential, 6) + "," + General(p.touch, 6) + "\n";
    return csv;
}

numbers::Json ProfileValues(const std::vector<electrode::ProfilePoint>& profile,
                            double electrode::ProfilePoint::*field) {
    numbers::Json json = numbers::Json::array();
    for (const electrode::ProfilePoint& point : profile)
        json.push_back(ProfileNumber(point.*field));
    return json;
}

}  // namespace

std::optional<ProfileLine> ParseProfileLine(const std::string& text) {
    std::vector<double> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::optional<double> value = numbers::ParseDecimal(text.substr(start, comma - start));
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (values.size() != 4 || (values[0] == values[2] && values[1] == values[3]))
        return std::nullopt;
    return ProfileLine{{values[0], values[1], 0}, {values[2], values[3], 0}};
}

numbers::Json ProfileJson(const std::vector<electrode::ProfilePoint>& profile) {
    if (profile.empty())
        return nullptr;
    const electrode::Point from = profile.front().at;
    const electrode::Point to = profile.back().at;
    return {{"from_m", numbers::Json::array({ProfileNumber(from.x), ProfileNumber(from.y)})},
            {"to_m", numbers::Json::array({ProfileNumber(to.x), ProfileNumber(to.y)})},
            {"points", profile.size()},
            {"distance_m", ProfileValues(profile, &electrode::ProfilePoint::distance)},
            {"potential_v", ProfileValues(profile, &electrode::ProfilePoint::potential)},
            {"touch_v", ProfileValues(profile, &electrode::ProfilePoint::touch)}};
}

std::string ProfileFileText(const std::vector<electrode::ProfilePoint>& profile, const std::string& path) {
    if (HasEnding(path, ".csv"))
        return ProfileCsv(profile);
    if (HasEnding(path, ".json"))
        return numbers::JsonText(ProfileJson(profile)) + "\n";
    return {};
}

std::string ProfileTable(const std::vector<electrode::ProfilePoint>& profile) {
    if (profile.empty())
        return {};
    const electrode::Point from = profile.front().at;
    const electrode::Point to = profile.back().at;
    std::string text = "\nProfile from (" + Fixed(from.x, 2) + " m, " + Fixed(from.y, 2) + " m) to (" +
                       Fixed(to.x, 2) + " m, " + Fixed(to.y, 2) + " m)\n";
    text += "distance m   x m        y m        potential V   touch V\n";
    auto cell = [](std::string s, std::size_t width) {
        if (s.size() < width)
            s.append(width - s.size(), ' ');
        return s;
    };
    for (const electrode::ProfilePoint& p : profile)
        text += cell(Fixed(p.distance, 2), 13) + cell(Fixed(p.at.x, 2), 11) + cell(Fixed(p.at.y, 2), 11) +
                cell(Fixed(p.potential, 1), 14) + Fixed(p.touch, 1) + "\n";
    return text;
}

}  // namespace terrovane::cli

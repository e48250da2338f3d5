#include "TypedSeriesFit.h"

#include <algorithm>
#include <numbers>

namespace terrovane::stored {

std::vector<analysis::FopReading> FopReadingsOf(const archive::TypedTraverse& traverse) {
    std::vector<analysis::FopReading> readings;
    readings.reserve(traverse.readings.size());
    for (const archive::TypedTraverseReading& reading : traverse.readings) {
        readings.push_back({reading.distance, reading.resistance});
    }
    return readings;
}

bool SoilFitTakes(const archive::TypedSounding& sounding) {
    return sounding.array == archive::ElectrodeArray::Wenner ||
           std::all_of(sounding.points.begin(), sounding.points.end(),
                       [](const archive::TypedSoundingPoint& point) { return point.mn2 > 0; });
}

analysis::Sounding SoundingOf(const archive::TypedSounding& sounding) {
    const bool resistance = sounding.quantity == archive::TypedQuantity::Resistance;
    analysis::Sounding points;
    points.reserve(sounding.points.size());
    for (const archive::TypedSoundingPoint& point : sounding.points) {
        if (sounding.array == archive::ElectrodeArray::Schlumberger) {
            points.push_back({point.spacing,
                              resistance ? analysis::SchlumbergerApparentResistivity(point.reading,
                                                                                     point.spacing, point.mn2)
                                         : point.reading,
                              analysis::SoundingArray::Schlumberger, point.mn2});
        } else {
            points.push_back({point.spacing, resistance
                                                 ? 2.0 * std::numbers::pi * point.spacing * point.reading
                                                 : point.reading});
        }
    }
    return analysis::SortedBySpacing(std::move(points));
}

}  // namespace terrovane::stored

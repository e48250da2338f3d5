#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terrovane::archive {

// The ground as the visit found it; an earth resistance can change several-fold between dry and wet soil.
enum class SoilCondition { Unknown, Dry, Moist, Wet, Frozen };

// An instrument used on a visit; its calibration due date warns when the visit is past it.
struct VisitInstrument {
    std::string name;  // make and model as typed
    std::string serial;
    std::string calibrationDue;  // YYYY-MM-DD, empty when not known
};

// What was done at a site on one day, and in what conditions. Results are assigned to it.
struct Visit {
    std::int64_t id = 0;
    std::int64_t site = 0;
    std::string date;  // YYYY-MM-DD
    std::string by;    // who visited, as typed (several names allowed)
    std::vector<VisitInstrument> instruments;
    std::string weather;
    std::optional<double> airTemperature;  // °C
    SoilCondition soil = SoilCondition::Unknown;
    std::string notes;
};

}  // namespace terrovane::archive
